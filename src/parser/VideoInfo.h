#pragma once

#include <QDateTime>
#include <QMetaType>

// What the container says about the video as a whole. One per opened file,
// produced right after the container walk; all zero and a null time when the
// file could not be read or was not recognised.
struct VideoInfo
{
    qint32 width = 0;
    qint32 height = 0;
    quint32 duration = 0;   // whole seconds, truncated
    QDateTime creationTime; // video track creation time (MP4 only)
};

Q_DECLARE_METATYPE(VideoInfo)
