#pragma once

#include "GpsRecord.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Builds a small AVI file: RIFF header, hdrl with the main header, a movi
// list of the chunks a test adds in order, and optionally a GPSL block after
// the RIFF data with its offset in the file's last four bytes.
//
//   AviSample().mainHeader(33333, 1800, 1280, 720).audioRecords(straightDrive(120))
//       .write(path);
class AviSample
{
public:
    AviSample &mainHeader(quint32 microsecondsPerFrame, quint32 totalFrames, quint32 width,
                          quint32 height);
    // A video chunk ("00dc") of `size` bytes; odd sizes get their pad byte.
    AviSample &videoChunk(int size);
    // An audio chunk ("01wb") carrying the record 65530 bytes into its data.
    AviSample &audioRecord(const GpsRecord &record, int trailingBytes = 0);
    // One audio chunk per record, each after `videoChunksBefore` video chunks.
    AviSample &audioRecords(const QVector<GpsRecord> &records, int videoChunksBefore = 1);
    // Any raw bytes appended to the movi list.
    AviSample &moviBytes(const QByteArray &bytes);
    // A GPSL block after the RIFF data, with its offset as the last 4 bytes.
    AviSample &gpslBlock(const QVector<GpsRecord> &records);
    // Replaces the last 4 bytes' offset (written even without a GPSL block).
    AviSample &trailingOffset(quint32 offset);

    QByteArray bytes() const;
    bool write(const QString &path) const;

private:
    QByteArray mMainHeader;
    QByteArray mMovi;
    QVector<GpsRecord> mGpsl;
    bool mHasGpsl = false;
    bool mHasTrailingOffset = false;
    quint32 mTrailingOffset = 0;
};
