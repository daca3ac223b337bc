#include "AviSample.h"

#include "BoxWriter.h"
#include "SampleRecord.h"

#include <QFile>

using namespace BoxWriter;

namespace {

constexpr int audioRecordLead = 65530;

QByteArray streamList()
{
    const QByteArray header = QByteArray("vids") + QByteArray("H264") + QByteArray(48, '\0');
    const QByteArray format = littleEndian32(40) + QByteArray(36, '\0');
    return list("strl", chunk("strh", header) + chunk("strf", format));
}

} // namespace

AviSample &AviSample::mainHeader(quint32 microsecondsPerFrame, quint32 totalFrames, quint32 width,
                                 quint32 height)
{
    mMainHeader = littleEndian32(microsecondsPerFrame) + littleEndian32(0) + littleEndian32(0)
                  + littleEndian32(0x10) + littleEndian32(totalFrames) + littleEndian32(0)
                  + littleEndian32(1) + littleEndian32(0) + littleEndian32(width)
                  + littleEndian32(height) + QByteArray(16, '\0');
    return *this;
}

AviSample &AviSample::videoChunk(int size)
{
    mMovi += chunk("00dc", QByteArray(size, '\x11'));
    return *this;
}

AviSample &AviSample::audioRecord(const GpsRecord &record, int trailingBytes)
{
    const QByteArray data = QByteArray(audioRecordLead, '\0') + recordBytes(record)
                            + QByteArray(trailingBytes, '\0');
    mMovi += chunk("01wb", data, false);
    return *this;
}

AviSample &AviSample::audioRecords(const QVector<GpsRecord> &records, int videoChunksBefore)
{
    for (const GpsRecord &record : records) {
        for (int i = 0; i < videoChunksBefore; ++i)
            videoChunk(100 + i);
        audioRecord(record);
    }
    return *this;
}

AviSample &AviSample::moviBytes(const QByteArray &bytes)
{
    mMovi += bytes;
    return *this;
}

AviSample &AviSample::gpslBlock(const QVector<GpsRecord> &records)
{
    mHasGpsl = true;
    mGpsl = records;
    return *this;
}

AviSample &AviSample::trailingOffset(quint32 offset)
{
    mHasTrailingOffset = true;
    mTrailingOffset = offset;
    return *this;
}

QByteArray AviSample::bytes() const
{
    const QByteArray mainHeader =
        mMainHeader.isEmpty() ? QByteArray(56, '\0') : mMainHeader;
    const QByteArray hdrl = list("hdrl", chunk("avih", mainHeader) + streamList());
    const QByteArray body = hdrl + list("movi", mMovi) + chunk("idx1", QByteArray());
    QByteArray file = list("AVI ", body, "RIFF");

    quint32 blockOffset = 0;
    if (mHasGpsl) {
        blockOffset = static_cast<quint32>(file.size());
        file += QByteArray("GPSL") + bigEndian32(static_cast<quint32>(mGpsl.size()));
        for (const GpsRecord &record : mGpsl)
            file += recordBytes(record);
    }
    if (mHasTrailingOffset)
        blockOffset = mTrailingOffset;
    if (mHasGpsl || mHasTrailingOffset)
        file += bigEndian32(blockOffset);
    return file;
}

bool AviSample::write(const QString &path) const
{
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes()) >= 0;
}
