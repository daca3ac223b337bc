#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

// What ffprobe tells of an exported file: its duration and its streams.
inline QJsonObject probe(const QString &path)
{
    QProcess ffprobe;
    ffprobe.start("ffprobe", {"-v", "error", "-show_format", "-show_streams", "-of", "json", path});
    if (!ffprobe.waitForFinished(30000))
        return {};
    return QJsonDocument::fromJson(ffprobe.readAllStandardOutput()).object();
}

// The first stream of a type ("video", "audio"), empty without one.
inline QJsonObject stream(const QJsonObject &probed, const QString &type)
{
    for (const QJsonValue &value : probed.value("streams").toArray())
        if (value.toObject().value("codec_type").toString() == type)
            return value.toObject();
    return {};
}
