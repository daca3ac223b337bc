#pragma once

#include "GpsData.h"
#include "GpsKind.h"
#include "GpsRecord.h"
#include "FourCC.h"
#include "VideoInfo.h"

#include <QFile>
#include <QObject>
#include <QVector>

// Base of the container parsers. Owns the open video file and the results of
// the container walk (done by the subclass constructors), and decodes the
// record of any playback second on demand, straight from the file.
//
// Every read goes through the bounded readers below: they read exactly the
// bytes asked for at the current position and deliver zeros for whatever the
// file does not hold, so a truncated or lying file yields zeros, never garbage
// from a previous read. The walk is also given a fixed number of steps, so a
// file that lies about its sizes cannot keep it busy for long, and a worker
// that is going away stops both at once (CancelScope).
class ParserObject : public QObject
{
    Q_OBJECT
public:
    ParserObject(const QString &path, QObject *parent = nullptr);
    ~ParserObject() override;

    // The course of a sample is taken from the sample decoded before it.
    // Playback keeps one such state; a pass over the whole file keeps its
    // own, so neither disturbs the other's courses.
    struct CourseState
    {
        qint32 lastIndex = 0;
        double lastLongitude = 0.0;
        double lastLatitude = 0.0;
        double lastBearing = 0.0;
        // The first decoded sample has no previous fix to take a course from.
        bool hasPreviousFix = false;
    };

    // Fills data with the sample of playback second `second`; returns false
    // (and an all-zero data) when the file holds no record for it.
    bool getGpsData(int second, GpsData &data);
    // The same with the course taken from and kept in `course`.
    bool getGpsData(int second, GpsData &data, CourseState &course);

    VideoInfo videoInfo() const;
    GpsKind layout() const { return gpsKind; }
    quint32 records() const { return recordCount; }
    // Seconds a pass over the whole file asks for: those its index claims,
    // but never more than records of the file's size could hold (an index
    // that lies), nor more than recordCheckLimit.
    quint32 secondsToDecode() const;
    qint64 recordTableOffset() const { return tableOffset; }
    quint32 freeGpsProbeOffset() const { return probeOffset; }
    bool isOpen() const { return file.isOpen(); }
    // An idle worker holds no open file: it closes it and opens it again for
    // its next request; the walk's results stay.
    void closeFile();
    bool reopenFile(const QString &path);
    // Bytes the walk and the samples asked for and got so far (what the
    // read-ahead below pulls in beyond that is not counted).
    qint64 bytesRead() const { return mBytesRead; }
    // Reads made of the file itself so far.
    int fileReads() const { return mFileReads; }

    // How many headers or chunks one container walk may visit. Real files
    // hold a few thousand; a file that claims millions of empty boxes ends
    // its walk here instead of keeping the worker busy for minutes.
    static constexpr int walkStepLimit = 1 << 20;
    // At most this many records are counted or found by a scan (three days).
    static constexpr quint32 recordCheckLimit = 1u << 18;

protected:
    quint16 readBigEndian16();
    quint32 readBigEndian32();
    quint64 readBigEndian64();
    quint32 readLittleEndian32();
    // Reads up to `size` bytes into `buffer`, zero-filling what is missing;
    // returns the number of bytes the file delivered.
    qint64 readBytes(char *buffer, qint64 size);
    FourCC readFourCC();
    bool seekTo(qint64 target);
    qint64 position() const { return mPosition; }
    qint64 fileSize() const { return mFileSize; }
    bool atEnd() const { return mPosition >= mFileSize; }
    // Counts one walk step; false once the walk has used all of them.
    bool takeWalkStep();
    // The walk met a box or chunk that runs past the end of the file.
    void noteTruncated() { mTruncated = true; }
    // Called by the subclass once its walk is done: counts the records that
    // are really readable and, when the file was cut and the index of its
    // records is missing or cut, looks for the records themselves.
    void finishWalk();

    bool decodeRecord(int entry, const GpsRecord &record, GpsData &data, CourseState &course);

    QFile file;
    GpsKind gpsKind = GpsKind::NoGps;
    qint32 width = 0;
    qint32 height = 0;
    quint32 duration = 0;
    QDateTime creationTime;
    qint64 tableOffset = 0;
    quint32 recordCount = 0;
    quint32 probeOffset = 0;
    // Table kinds: where the box holding the table ends.
    qint64 tableEnd = 0;
    // AviAudioChunks: chunks whose record lies in the file, and where the
    // first recordCheckLimit of all audio chunks start (set by the walk, so
    // that a record is found without walking the chunks again).
    quint32 readableAudioChunks = 0;
    QVector<qint64> audioChunkStarts;
    CourseState mCourse;

private:
    qint64 recordPosition(quint32 entry);
    quint32 countReadableRecords();
    quint32 countReadableTableEntries(qint64 entrySize, qint64 addition);
    quint32 packedRecordsInFile(qint64 stride) const;
    bool indexMayBeLost() const;
    void scanForRecords();
    static void updateCourse(int entry, GpsData &data, CourseState &course);
    qint64 readFile(qint64 at, char *buffer, qint64 size);
    qint64 readAhead(char *buffer, qint64 size);
    void dropReadAhead();

    qint64 mFileSize = 0;
    bool mTruncated = false;
    bool mRecovered = false;
    quint32 mReadableRecords = 0;
    // ScannedRecords: where each record found lies, in file order.
    QVector<qint64> mScannedRecords;
    QString mOpenError;
    qint64 mBytesRead = 0;
    int mFileReads = 0;
    // Where the next read starts: the walks seek far more than they read, so
    // a seek only moves this and the read goes to the file when it must.
    qint64 mPosition = 0;
    // Headers lie close together: small reads are served from blocks of
    // the file read ahead, a page or two where a read lands alone (a record
    // or chunk header among the media) and 64 KiB where the reads walk on
    // from a block that served several (the boxes of a header). Two blocks,
    // so that a table and the records it points to both stay. A block holds
    // what the file delivered; atEnd says it stopped short because the file
    // ends there.
    struct ReadAheadBlock
    {
        QByteArray bytes;
        qint64 start = 0;
        qint64 length = 0;
        bool atEnd = false;
        int served = 0;
    };
    ReadAheadBlock mReadAhead[2];
    int mRecentBlock = 0;
    int mWalkStepsLeft = walkStepLimit;
};
