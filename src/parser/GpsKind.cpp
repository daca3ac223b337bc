#include "GpsKind.h"

QString gpsKindName(GpsKind kind)
{
    switch (kind) {
    case GpsKind::NoGps: return QStringLiteral("NoGps");
    case GpsKind::ExtTrack: return QStringLiteral("ExtTrack");
    case GpsKind::GpsBoxTable: return QStringLiteral("GpsBoxTable");
    case GpsKind::AudioFreeGps: return QStringLiteral("AudioFreeGps");
    case GpsKind::Gps0Records: return QStringLiteral("Gps0Records");
    case GpsKind::GpsMetaTrack: return QStringLiteral("GpsMetaTrack");
    case GpsKind::GpslBlock: return QStringLiteral("GpslBlock");
    case GpsKind::AviAudioChunks: return QStringLiteral("AviAudioChunks");
    case GpsKind::ScannedRecords: return QStringLiteral("ScannedRecords");
    }
    return QStringLiteral("NoGps");
}
