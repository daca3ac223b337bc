#pragma once

#include <QStringList>

class QWidget;

// The ":/image/..." resources named by the style sheets of `widget` and its
// children that are not in the resource system.
QStringList missingSkinImages(const QWidget *widget);
