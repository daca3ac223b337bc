#include "FragmentBoxes.h"

#include "BoxWriter.h"

using namespace BoxWriter;

namespace {

constexpr quint32 defaultDurationPresent = 0x08;
constexpr quint32 dataOffsetPresent = 0x001;
constexpr quint32 sampleDurationPresent = 0x100;
constexpr quint32 sampleSizePresent = 0x200;
constexpr int sampleBytes = 16;

QByteArray fullBoxHeader(int version, quint32 flags)
{
    return bigEndian32((quint32(version) << 24) | flags);
}

} // namespace

namespace FragmentBoxes {

QByteArray movieExtends(quint32 trackId, quint32 defaultDuration, int mehdVersion,
                        quint64 fragmentDuration)
{
    QByteArray boxes;
    if (mehdVersion == 0)
        boxes += box("mehd", fullBoxHeader(0, 0) + bigEndian32(quint32(fragmentDuration)));
    else if (mehdVersion == 1)
        boxes += box("mehd", fullBoxHeader(1, 0) + bigEndian64(fragmentDuration));
    boxes += box("trex", fullBoxHeader(0, 0) + bigEndian32(trackId) + bigEndian32(1)
                             + bigEndian32(defaultDuration) + bigEndian32(sampleBytes)
                             + bigEndian32(0));
    return box("mvex", boxes);
}

QByteArray fragment(quint32 sequence, const Fragment &fragment)
{
    const bool perSample = fragment.durations == Fragment::Durations::PerSample;
    const bool trackDefault = fragment.durations == Fragment::Durations::TrackDefault;
    QByteArray tfhd = fullBoxHeader(0, trackDefault ? defaultDurationPresent : 0)
                      + bigEndian32(fragment.trackId);
    if (trackDefault)
        tfhd += bigEndian32(fragment.sampleDuration);
    QByteArray traf = box("tfhd", tfhd);
    if (fragment.decodeTime >= 0)
        traf += fragment.tfdtVersion == 1
                    ? box("tfdt", fullBoxHeader(1, 0) + bigEndian64(quint64(fragment.decodeTime)))
                    : box("tfdt", fullBoxHeader(0, 0) + bigEndian32(quint32(fragment.decodeTime)));
    const quint32 flags = dataOffsetPresent | sampleSizePresent | (perSample ? sampleDurationPresent : 0);
    QByteArray trun = fullBoxHeader(0, flags) + bigEndian32(quint32(fragment.samples)) + bigEndian32(0);
    for (int i = 0; i < fragment.samples; ++i)
        trun += (perSample ? bigEndian32(fragment.sampleDuration) : QByteArray()) + bigEndian32(sampleBytes);
    traf += box("trun", trun);
    const QByteArray moof = box("moof", box("mfhd", fullBoxHeader(0, 0) + bigEndian32(sequence))
                                            + box("traf", traf));
    return moof + box("mdat", QByteArray(fragment.samples * sampleBytes, '\x03'));
}

} // namespace FragmentBoxes
