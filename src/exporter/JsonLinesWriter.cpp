#include "JsonLinesWriter.h"

#include "SampleFields.h"

#include <QJsonDocument>

JsonLinesWriter::JsonLinesWriter(QIODevice &output, bool namesFiles)
    : TrackWriter(output), mNamesFiles(namesFiles)
{
}

void JsonLinesWriter::writeSample(const GpsData &data)
{
    QJsonObject values = SampleFields::values(data);
    if (mNamesFiles)
        values.insert("file", mFile);
    out.write(QJsonDocument(values).toJson(QJsonDocument::Compact));
    out.write("\n");
}
