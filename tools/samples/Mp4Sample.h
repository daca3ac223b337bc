#pragma once

#include "GpsRecord.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Builds a small MP4/MOV file of boxes around the records a test gives, in the
// layout the test asks for. The file is ftyp, any leading boxes, an mdat that
// holds every track's chunks, moov, then the trailing boxes; offsets into the
// mdat are worked out when the bytes are made.
//
//   Mp4Sample().movie(1000, 60000).videoTrack(1920, 1080).gps0(straightDrive(61))
//       .write(path);
class Mp4Sample
{
public:
    enum class Placement { BeforeMoov, AfterMoov };

    Mp4Sample &movie(quint32 timeScale, quint32 duration);
    Mp4Sample &videoTrack(quint32 width, quint32 height, quint32 creationTime = 0);
    // A sound track of plain chunks, with no telemetry.
    Mp4Sample &soundTrack(int chunks = 2);
    // A track whose chunks each hold one record two bytes in.
    Mp4Sample &extTrack(const QVector<GpsRecord> &records,
                        const QByteArray &handlerName = "Ambarella EXT");
    // A meta track whose chunks are the records; withTable false leaves out stco.
    Mp4Sample &metaTrack(const QVector<GpsRecord> &records,
                         const QByteArray &handlerName = "gps", bool withTable = true);
    // A sound track whose chunks carry "freeGPS" and a record at probeOffset.
    Mp4Sample &freeGpsTrack(const QVector<GpsRecord> &records, quint32 probeOffset = 0x10004);
    // A "gps " box inside moov listing where each record lies in the mdat.
    Mp4Sample &gpsBox(const QVector<GpsRecord> &records);
    // A top-level "gps0" box of records packed 311 bytes apart.
    Mp4Sample &gps0(const QVector<GpsRecord> &records, Placement where = Placement::AfterMoov);
    // Any raw top-level box, or any raw box at the end of moov.
    Mp4Sample &topLevelBox(const QByteArray &box, Placement where = Placement::AfterMoov);
    Mp4Sample &moovBox(const QByteArray &box);
    // Writes the mdat with a 64-bit largesize header.
    Mp4Sample &largeMdat();
    // The time scale in every track's media header (0 unless set).
    Mp4Sample &mediaTimeScale(quint32 timeScale);

    QByteArray bytes() const;
    bool write(const QString &path) const;

private:
    enum class TrackKind { Video, Sound, Meta, Ext };
    struct Track
    {
        Track(TrackKind trackKind, const QByteArray &type, const QByteArray &name)
            : kind(trackKind), handlerType(type), handlerName(name) {}
        TrackKind kind;
        QByteArray handlerType;
        QByteArray handlerName;
        quint32 width = 0;
        quint32 height = 0;
        quint32 creationTime = 0;
        QVector<QByteArray> chunks;       // chunk payloads stored in the mdat
        bool withTable = true;
    };

    QByteArray trackBox(const Track &track, const QVector<quint32> &chunkOffsets, int id) const;

    quint32 mTimeScale = 1000;
    quint32 mDuration = 0;
    QVector<Track> mTracks;
    QVector<QByteArray> mGpsBoxRecords;  // payloads in the mdat, 18 bytes before each record
    bool mHasGpsBox = false;
    QVector<QByteArray> mLeading;
    QVector<QByteArray> mTrailing;
    QVector<QByteArray> mMoovExtras;
    bool mLargeMdat = false;
    quint32 mMediaTimeScale = 0;
};
