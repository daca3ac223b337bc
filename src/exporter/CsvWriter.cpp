#include "CsvWriter.h"

#include "SampleFields.h"

namespace {

QString quoted(QString field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"'))
        && !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QString valueText(const QJsonValue &value)
{
    return value.isString() ? value.toString() : SampleFields::numberText(value.toDouble());
}

} // namespace

CsvWriter::CsvWriter(QIODevice &output, bool namesFiles)
    : TrackWriter(output), mNamesFiles(namesFiles)
{
}

void CsvWriter::begin()
{
    QStringList header = SampleFields::names();
    if (mNamesFiles)
        header.prepend(QStringLiteral("file"));
    writeRow(header);
}

void CsvWriter::writeSample(const GpsData &data)
{
    const QJsonObject values = SampleFields::values(data);
    QStringList row;
    if (mNamesFiles)
        row.append(mFile);
    for (const QString &name : SampleFields::names())
        row.append(valueText(values.value(name)));
    writeRow(row);
}

void CsvWriter::writeRow(const QStringList &fields)
{
    QStringList cells;
    cells.reserve(fields.size());
    for (const QString &field : fields)
        cells.append(quoted(field));
    out.write(cells.join(QLatin1Char(',')).toUtf8());
    out.write("\n");
}
