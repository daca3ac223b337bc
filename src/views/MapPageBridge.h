#pragma once

#include <QObject>

// What the map page may call in the program, over the page's web channel:
// nothing but this object is published to it.
class MapPageBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    // The user clicked on or near the route, at the point of `tripSecond`.
    void routePointClicked(int tripSecond);

signals:
    void routeClicked(int tripSecond);
};
