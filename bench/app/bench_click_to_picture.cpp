// How long a click on the trip timeline or on the map's route takes to show
// the picture of its moment, within the playing clip and across clips, in
// the real main window on an X server (run it under xvfb-run). The demo
// generator makes the first demo drive in three clips of 20 s. Each click
// is made with the video paused and timed until the video's picture changes.
// Reports, asserts nothing.
//
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/app/bench_click_to_picture [rounds]
#include "ImageResources.h"
#include "MainWindows.h"
#include "MapWebView.h"
#include "ParserFactory.h"
#include "PlayAreaManager.h"
#include "PlaybackController.h"
#include "PlayerWidget.h"
#include "PlaylistModel.h"
#include "TripTimeline.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

constexpr int clipSeconds = 20;

// The clips carry the camera's time caption when a font is there: without
// it, the road of a car that stands looks the same as some seconds before,
// and a seek there would show no new picture.
bool makeClip(const QString &folder, int clip, bool rear)
{
    const QString name = QStringLiteral("%1/20261206_1015%2%3.MP4").arg(folder).arg(clip * clipSeconds, 2, 10, QLatin1Char('0')).arg(rear ? 'R' : 'F');
    QStringList arguments{"--ffmpeg", VANTREL_FFMPEG, "--trip", "1", "--camera", rear ? "rear" : "front",
                          "--start", QString::number(clip * clipSeconds), "--seconds", QString::number(clipSeconds),
                          "--fps", "10", "--layout", rear ? "gps-table" : "gps0", name};
    if (!QString(VANTREL_DEMO_FONT).isEmpty())
        arguments << "--font" << VANTREL_DEMO_FONT;
    return QProcess::execute(VANTREL_MAKE_DEMO, arguments) == 0;
}

QVariant evaluate(MapWebView *view, const QString &script)
{
    auto answer = std::make_shared<QVariant>();
    auto done = std::make_shared<bool>(false);
    view->page()->runJavaScript(script, [answer, done](const QVariant &result) { *answer = result, *done = true; });
    return QTest::qWaitFor([done] { return *done; }, 30000) ? *answer : QVariant();
}

struct Bench {
    MainWindows window;
    QTemporaryDir folder;
    PlayAreaManager *area() { return window.findChild<PlayAreaManager *>("wgt_PlayArea"); }
    TripTimeline *timeline() { return window.findChild<TripTimeline *>("wgt_TripTimeline"); }
    MapWebView *map() { return window.findChild<MapWebView *>("wgt_MapView"); }

    QImage videoPicture()
    {
        QWidget *video = area()->mainPlayer();
        const QPoint at = video->mapToGlobal(QPoint());
        return video->screen()->grabWindow(0, at.x(), at.y(), video->width(), video->height()).toImage();
    }
    QPoint timelinePlace(int tripSecond)
    {
        return QPoint(int((tripSecond + 0.5) * timeline()->width() / timeline()->trip().durationSeconds), timeline()->height() / 2);
    }
    QPoint routePlace(int clip, int second)
    {
        GpsData data;
        const QString name = QStringLiteral("20261206_1015%1F.MP4").arg(clip * clipSeconds, 2, 10, QLatin1Char('0'));
        if (!createParser(folder.filePath(name))->getGpsData(second, data))
            return QPoint(-1, -1);
        const QVariantList xy = evaluate(map(), QString("var p = vantrelMap.latLngToContainerPoint([%1, %2]); [p.x, p.y]")
                                                    .arg(signedLatitude(data), 0, 'f', 7).arg(signedLongitude(data), 0, 'f', 7)).toList();
        return xy.size() == 2 ? QPoint(qRound(xy[0].toDouble()), qRound(xy[1].toDouble())) : QPoint(-1, -1);
    }
    // Milliseconds from a click at `place` on `surface` until the video, paused
    // before, shows another picture; -1 if it does not within 5 s.
    qint64 clickToNewPicture(QWidget *surface, const QPoint &place)
    {
        window.playback()->pause();
        QTest::qWait(700);
        const QImage before = videoPicture();
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(surface, Qt::LeftButton, {}, place);
        while (clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
            if (videoPicture() != before)
                return clock.elapsed();
        }
        return -1;
    }
    bool setUp()
    {
        QList<QUrl> urls;
        for (int clip = 0; clip < 3; ++clip) {
            for (bool rear : {false, true}) {
                if (!makeClip(folder.path(), clip, rear))
                    return false;
            }
            urls << QUrl::fromLocalFile(folder.filePath(QStringLiteral("20261206_1015%1F.MP4").arg(clip * clipSeconds, 2, 10, QLatin1Char('0'))));
        }
        window.show();
        if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitFor([this] { return map(); }, 10000))
            return false;
        window.openLaunchFiles(urls);
        return QTest::qWaitFor([this] { return timeline()->isVisible() && timeline()->trip().clips.size() == 3; }, 60000)
            && QTest::qWaitFor([this] { return evaluate(map(), "mapRouteState().linked").toBool(); }, 30000);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    ImageResources::initialise();
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 5;
    Bench bench;
    if (!bench.setUp()) {
        fprintf(stderr, "the trip did not open\n");
        return 1;
    }
    // Each click is made from a place of the trip in the same clip, or in another.
    const struct { const char *what; bool onMap; int clip, second, from; } clicks[] = {
        {"timeline, within the clip", false, 0, 12, 2}, {"timeline, across clips", false, 2, 8, 25},
        {"route, within the clip", true, 2, 15, 42}, {"route, across clips", true, 0, 10, 45}};
    for (const auto &click : clicks) {
        QVector<qint64> times;
        for (int round = 0; round < rounds; ++round) {
            bench.window.playback()->seekInTrip(0, click.from);
            QTest::qWait(1500);
            const QPoint place = click.onMap ? bench.routePlace(click.clip, click.second)
                                             : bench.timelinePlace(click.clip * clipSeconds + click.second);
            times << bench.clickToNewPicture(click.onMap ? bench.map()->focusProxy() : bench.timeline(), place);
        }
        std::sort(times.begin(), times.end());
        printf("click on the %s to its picture: median %lld ms (of %d; -1: no new picture)\n", click.what, times[times.size() / 2], rounds);
    }
    return 0;
}
