#pragma once

#include <QString>
#include <QtGlobal>

// A byte count as the playlist shows it: "<value> <unit>", stepping 1024 per
// unit from "bytes" up to "YB", with `precision` digits after the point.
// The unit names are translated once, on the first call in the process.
QString humanReadableSize(qint64 size, int precision);
