#include "VideoParser.h"

#include "CancelScope.h"
#include "OpenFileLimit.h"
#include "ParserFactory.h"
#include "VideoFile.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

// A worker needs little stack; a card's worth of them must fit comfortably.
constexpr uint workerStackSize = 256 * 1024;

} // namespace

VideoParser::VideoParser(QObject *parent)
    : QThread(parent)
{
    qRegisterMetaType<VideoInfo>("VideoInfo");
    qRegisterMetaType<GpsData>("GpsData");
    setStackSize(workerStackSize);
    raiseOpenFileLimit();
}

VideoParser::~VideoParser()
{
    {
        QMutexLocker lock(&mWakeMutex);
        running.store(false, std::memory_order_relaxed);
        mCancelled.store(true, std::memory_order_relaxed);
        mWake.wakeAll();
    }
    waitUntilFinished();
}

// The GUI keeps handling events while the worker finishes its current step;
// between event rounds this sleeps in wait(), which returns as soon as the
// thread has ended, so nothing spins.
void VideoParser::waitUntilFinished()
{
    constexpr unsigned long eventRoundMs = 20;
    QCoreApplication *app = QCoreApplication::instance();
    const bool onGuiThread = app && QThread::currentThread() == app->thread();
    while (!wait(eventRoundMs)) {
        if (onGuiThread)
            QCoreApplication::processEvents();
    }
}

void VideoParser::startParsing(const QUrl &fileUrl, int id)
{
    url = fileUrl;
    mId = id;
    running.store(true, std::memory_order_relaxed);
    start(QThread::InheritPriority);
}

void VideoParser::setSecond(int second)
{
    QMutexLocker lock(&mWakeMutex);
    requestedSecond.store(second, std::memory_order_relaxed);
    mWake.wakeAll();
}

void VideoParser::run()
{
    qDebug() << "run" << mId;
    const CancelScope cancel(mCancelled);
    std::unique_ptr<ParserObject> parser = createParser(VideoFile::localPath(url));
    // A walk cut short by the worker's end knows nothing worth reporting.
    if (!CancelScope::requested())
        emit videoInfoChanged(mId, parser->videoInfo());

    int served = -1;
    while (running.load(std::memory_order_relaxed)) {
        const int second = requestedSecond.load(std::memory_order_relaxed);
        if (second == served || second < 0) {
            waitForRequest(served);
            continue;
        }
        served = second;
        GpsData data;
        if (parser->getGpsData(second, data))
            emit gpsDataChanged(mId, data);
    }

    requestedSecond.store(-1, std::memory_order_relaxed);
    parser.reset();
    qDebug() << "end run" << mId;
}

void VideoParser::waitForRequest(int servedSecond)
{
    QMutexLocker lock(&mWakeMutex);
    const int second = requestedSecond.load(std::memory_order_relaxed);
    if (!running.load(std::memory_order_relaxed) || (second != servedSecond && second >= 0))
        return;
    // Every change of the request or of the running flag is made under the
    // mutex and wakes this wait, so no request can slip past it and an idle
    // worker needs no periodic look: a card's worth of idle workers would
    // otherwise cost the machine thousands of wake-ups a second.
    mWake.wait(&mWakeMutex);
}
