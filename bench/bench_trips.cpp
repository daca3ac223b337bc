// Building the trips of a memory card: 1,000 one-minute clips, an hour of
// driving a trip, half an hour between trips. The player builds them anew
// while a card's tracks come in, on its GUI thread.
#include "TripBuilder.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int cardClips = 1000;
constexpr int clipSeconds = 60;
constexpr int clipsPerTrip = 60;
constexpr qint64 cardStartMsecs = 1796552100000;  // 2026-12-06 10:15 UTC

ClipInput clip(int index)
{
    ClipInput input;
    input.path = QStringLiteral("/card/clip%1.MP4").arg(index, 4, 10, QLatin1Char('0'));
    input.durationSeconds = clipSeconds;
    const qint64 start = qint64(index) * clipSeconds + qint64(index / clipsPerTrip) * 1800;
    for (int second = 0; second < clipSeconds; ++second) {
        TrackPoint point;
        point.second = second;
        point.hasTime = point.hasFix = true;
        point.utcMsecs = cardStartMsecs + (start + second) * 1000;
        point.latitude = 40.70 + double(start + second) * 0.0001;
        point.longitude = -74.0 + double(start + second) * 0.0001;
        point.speedKmh = float(40 + second % 20);
        point.gZ = 1.0f;
        input.track.append(point);
    }
    return input;
}

void BuildCardTrips(benchmark::State &state)
{
    QVector<ClipInput> card;
    for (int index = 0; index < cardClips; ++index)
        card.append(clip(index));
    int trips = 0;
    for (auto _ : state) {
        const QVector<Trip> built = buildTrips(card);
        trips = built.size();
        benchmark::DoNotOptimize(built.constData());
    }
    state.counters["trips"] = trips;
}
BENCHMARK(BuildCardTrips)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
