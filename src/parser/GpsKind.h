#pragma once

#include <QString>

// Where a file keeps its per-second records; each camera family has its own.
enum class GpsKind {
    NoGps,          // no records: every request fails
    ExtTrack,       // chunks of the "Ambarella EXT" track (stco), +2
    GpsBoxTable,    // table of the "gps " box inside moov, +18
    AudioFreeGps,   // "freeGPS" blocks inside the sound track's chunks
    Gps0Records,    // records packed in a top-level "gps0" box, 311 apart
    GpsMetaTrack,   // chunks of a meta track whose handler names "gps"
    GpslBlock,      // AVI: "GPSL" block found through the file's last 4 bytes
    AviAudioChunks, // AVI: inside the "01wb" chunks of the movi list
    ScannedRecords  // found by scanning a cut file whose index was lost
};

// The enumerator's own name, as written by the exporter ("GpsBoxTable").
QString gpsKindName(GpsKind kind);
