#pragma once

#include <QByteArray>

// Boxes of a fragmented MP4, as cameras write them so that a power cut loses
// little: an mvex in moov, then the media in moof + mdat pairs after it.
//
//   Mp4Sample().movie(1000, 0).videoTrack(1920, 1080).mediaTimeScale(90000)
//       .moovBox(FragmentBoxes::movieExtends(1, 3000))
//       .topLevelBox(FragmentBoxes::fragment(1, {}))...
namespace FragmentBoxes {

// An mvex whose trex gives `trackId` samples of `defaultDuration`; with
// mehdVersion 0 or 1 also an mehd of `fragmentDuration` (movie time scale).
QByteArray movieExtends(quint32 trackId, quint32 defaultDuration, int mehdVersion = -1,
                        quint64 fragmentDuration = 0);

struct Fragment
{
    // Where each sample's duration is written: in the trun, as the tfhd's
    // default, or nowhere (the trex default holds).
    enum class Durations { PerSample, TrackDefault, MovieDefault };
    quint32 trackId = 1;
    int samples = 30;
    quint32 sampleDuration = 3000;
    Durations durations = Durations::PerSample;
    qint64 decodeTime = -1;  // tfdt's base media decode time; -1: no tfdt
    int tfdtVersion = 1;
};

// One moof (of one traf) and the mdat of its samples, 16 bytes each.
QByteArray fragment(quint32 sequence, const Fragment &fragment);

} // namespace FragmentBoxes
