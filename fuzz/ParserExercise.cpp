#include "ParserExercise.h"

#include "ParserObject.h"
#include "TrackDecoder.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr int pickedSeconds = 4;
// No two records lie closer than the packed ones of a gps0 box.
constexpr std::size_t gpsRecordStrideMin = 311;

void discardMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

void require(bool promise)
{
    if (!promise)
        __builtin_trap();
}

bool isAllZero(const GpsData &data)
{
    GpsData zero;
    std::memset(&zero, 0, sizeof zero);
    return std::memcmp(&zero, &data, sizeof data) == 0;
}

// FNV-1a over the input: a stable source of seconds to ask for.
std::uint64_t inputHash(const std::uint8_t *data, std::size_t size)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

std::vector<int> secondsToAsk(quint32 records, const std::uint8_t *data, std::size_t size)
{
    const int lastSecond = static_cast<int>(
        std::min<quint32>(records, std::numeric_limits<int>::max())) - 2;
    std::vector<int> seconds{0, 1, 2, lastSecond, 1};
    // Picked from -1 to one past the last second, so misses are asked too.
    std::uint64_t hash = inputHash(data, size);
    const std::uint64_t span = static_cast<std::uint64_t>(std::max(lastSecond, 0)) + 3u;
    for (int i = 0; i < pickedSeconds; ++i) {
        seconds.push_back(static_cast<int>(static_cast<std::int64_t>(hash % span) - 1));
        hash = hash * 6364136223846793005ull + 1442695040888963407ull;
    }
    return seconds;
}

} // namespace

void silenceQtMessages()
{
    qInstallMessageHandler(discardMessage);
}

void exerciseParser(ParserObject &parser, const std::uint8_t *data, std::size_t size)
{
    // The creation time is worked out from a number the file gives.
    parser.videoInfo().creationTime.toString(Qt::ISODate);
    for (const int second : secondsToAsk(parser.records(), data, size)) {
        GpsData sample;
        const bool found = parser.getGpsData(second, sample);
        require(found || isAllZero(sample));
        require(sample.dateTime[14] == '\0' && sample.text23[14] == '\0');
        require(std::isfinite(sample.bearing) && std::isfinite(sample.latitude)
                && std::isfinite(sample.longitude));
    }
    // The whole-file pass: no more points than records the input could hold,
    // in second order.
    const TelemetryTrack track = decodeTrack(parser);
    require(static_cast<std::size_t>(track.size()) <= size / gpsRecordStrideMin);
    for (int i = 1; i < track.size(); ++i)
        require(track[i].second > track[i - 1].second && track[i].course < 360.0);
}

// libFuzzer calls this once before the first input.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    silenceQtMessages();
    return 0;
}
