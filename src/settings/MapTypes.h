#pragma once

#include <QMetaType>

// The map service behind the map page. The values are stored in
// "configuration.ini" and are the indexes of the settings dialog's list.
enum MapTypes : int {
    BaiduMap = 0,
    GoogleMap = 1,
};

Q_DECLARE_METATYPE(MapTypes)
