// One hour of telemetry (3,600 samples, or the number given) pushed through
// the real main window's fan-out while a file plays: what each sample costs
// the GUI thread (the call itself, then the repaint it causes), and how the
// memory of the program and of the map page's renderer grows over the hour.
// With "trip" as third argument the map shows the hour as a trip's route
// and the timeline the trip, and each sample also moves both to its second.
// Reports, asserts nothing. For exact page heap figures run it with
// QTWEBENGINE_CHROMIUM_FLAGS=--enable-precise-memory-info.
#include "ApplicationIdentity.h"
#include "BenchEventLoop.h"
#include "GpsData.h"
#include "ImageResources.h"
#include "MainWindows.h"
#include "MapWebView.h"
#include "PlayAreaManager.h"
#include "PlaybackController.h"
#include "TripTimeline.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QUrl>
#include <QWebEnginePage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// A drive north-east out of Midtown at about 40 km/h, turning and shaking.
GpsData sampleAt(int second)
{
    GpsData data;
    memset(&data, 0, sizeof data);
    data.second = second;
    const QByteArray time = QStringLiteral("20261206%1").arg(101500 + second % 60 + 100 * (second / 60), 6, 10, QLatin1Char('0')).toLatin1();
    memcpy(data.dateTime, time.constData(), qMin<int>(time.size(), 14));
    data.latHemisphere = 'N';
    data.latitude = 40.7484 + second * 0.00008;
    data.lonHemisphere = 'W';
    data.longitude = 73.9857 - second * 0.00006 * std::cos(second / 300.0);
    data.speed = 30 + second % 25;
    data.gX = float(0.3 * std::sin(second / 7.0));
    data.gY = float(0.2 * std::cos(second / 5.0));
    data.gZ = float(1.0 + 0.1 * std::sin(second / 3.0));
    data.bearing = std::fmod(second * 1.5, 360.0);
    return data;
}

// Resident memory in KB of this process and of its children (the web
// engine's renderer and GPU processes).
long residentKb(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Resident memory in KB of every process below `parent` (the web engine's
// zygote, renderer and GPU processes).
long descendantsResidentKb(pid_t parent)
{
    long total = 0;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const pid_t pid = entry.toInt(&isPid);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!isPid || !stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1).toInt() == parent)
            total += residentKb(pid) + descendantsResidentKb(pid);
    }
    return total;
}

// Mean time of painting one view into an image: the view's own drawing,
// without the window's composition on screen. In microseconds.
double paintUs(QWidget *view)
{
    constexpr int rounds = 200;
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        view->render(&image);
    return double(clock.nsecsElapsed()) / 1000.0 / rounds;
}

// Mean time of a synchronous repaint of one view on screen, which also
// composes the window (through OpenGL, since the map and the chart use it).
// In microseconds.
double repaintUs(QWidget *view)
{
    constexpr int rounds = 200;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rounds; ++i)
        view->repaint();
    return double(clock.nsecsElapsed()) / 1000.0 / rounds;
}

QVariant pageValue(MapWebView *map, const QString &script)
{
    QVariant result;
    bool done = false;
    map->page()->runJavaScript(script, [&](const QVariant &value) { result = value; done = true; });
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return result;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[size_t(fraction * double(values.size() - 1))];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    const int samples = argc > 2 ? qMax(1, atoi(argv[2])) : 3600;
    if (argc < 2) {
        fprintf(stderr, "usage: bench_fanout <video file> [samples [trip]]\n");
        return 2;
    }
    ImageResources::initialise();
    ApplicationIdentity::apply(QStringLiteral("Fenmora"));
    qInstallMessageHandler(BenchEventLoop::dropDebugLines);

    MainWindows window;
    window.show();
    window.openLaunchFiles({QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath())});
    auto *playArea = window.findChild<PlayAreaManager *>(QStringLiteral("wgt_PlayArea"));
    BenchEventLoop::runFor(3000);
    // Made once the window has been painted.
    auto *map = window.findChild<MapWebView *>(QStringLiteral("wgt_MapView"));
    // Paused, so that only this program's samples reach the views.
    playArea->pause();
    BenchEventLoop::runFor(500);
    const int row = playArea->mainRowId();
    auto *timeline = window.findChild<TripTimeline *>(QStringLiteral("wgt_TripTimeline"));
    const bool asTrip = argc > 3 && strcmp(argv[3], "trip") == 0;
    if (asTrip) {
        QVector<MapPoint> route;
        TimelineTrip trip;
        trip.durationSeconds = samples;
        trip.clips.append({0, samples, QStringLiteral("hour.MP4")});
        for (int second = 0; second < samples; ++second) {
            const GpsData data = sampleAt(second);
            route.append(MapPoint{second, -data.longitude, data.latitude});
            trip.speeds.append({second, float(data.speed)});
        }
        map->setRoute(route);
        timeline->setTrip(trip);
        timeline->show();
        BenchEventLoop::runFor(1000);
    }

    std::vector<double> callUs, eventsUs;
    callUs.reserve(size_t(samples));
    eventsUs.reserve(size_t(samples));
    QElapsedTimer clock;
    printf("sample   program RSS   renderer RSS   page JS heap\n");
    for (int second = 0; second < samples; ++second) {
        const GpsData data = sampleAt(second);
        clock.start();
        window.playback()->onSample(row, data);
        if (asTrip) {
            map->setRouteSecond(second);
            timeline->setPlayheadSecond(second);
        }
        callUs.push_back(double(clock.nsecsElapsed()) / 1000.0);
        clock.start();
        QCoreApplication::processEvents();
        eventsUs.push_back(double(clock.nsecsElapsed()) / 1000.0);
        if (second % 900 == 0 || second == samples - 1) {
            BenchEventLoop::runFor(300);
            printf("%6d   %8ld KB   %9ld KB   %s\n", second, residentKb(getpid()), descendantsResidentKb(getpid()),
                   qPrintable(pageValue(map, QStringLiteral("performance.memory ? performance.memory.usedJSHeapSize : -1")).toString()));
        }
    }
    printf("points on the page: %s\n", qPrintable(pageValue(map, asTrip ? QStringLiteral("mapRouteState().driven.length")
                                                                          : QStringLiteral("mapPointCount()")).toString()));
    printf("fan-out call per sample: median %.0f us, p95 %.0f us, max %.0f us\n", percentile(callUs, 0.5),
           percentile(callUs, 0.95), percentile(callUs, 1.0));
    printf("events after a sample:   median %.0f us, p95 %.0f us, max %.0f us\n", percentile(eventsUs, 0.5),
           percentile(eventsUs, 0.95), percentile(eventsUs, 1.0));
    for (const char *name : {"wgt_Speed", "wgt_Direction", "gView_GyroChart", "wgt_PlayCtrl", "wgt_MapView", "wgt_TripTimeline"})
    {
        QWidget *view = window.findChild<QWidget *>(QLatin1String(name));
        printf("%s: painting %.0f us, repaint on screen %.0f us\n", name, paintUs(view), repaintUs(view));
    }
    return 0;
}
