#pragma once

#include "MapWebView.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>

// The result of `script` in the map's page; invalid if the page does not
// answer within 30 s. An event loop, not a polling wait: the answer takes
// several hops through the GUI thread's event queue.
inline QVariant evaluate(MapWebView *view, const QString &script)
{
    auto answer = std::make_shared<QVariant>(); // outlives a late answer
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    view->page()->runJavaScript(script, [answer, waiting](const QVariant &result) {
        *answer = result;
        if (waiting)
            waiting->quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return *answer;
}

// Where the page draws a place, in the view's pixels; (-1, -1) if it does not say.
inline QPoint pixelOf(MapWebView *view, double latitude, double longitude)
{
    const QVariantList xy = evaluate(view, QString("var p = vantrelMap.latLngToContainerPoint([%1, %2]); [p.x, p.y]")
                                               .arg(latitude, 0, 'f', 7).arg(longitude, 0, 'f', 7)).toList();
    return xy.size() == 2 ? QPoint(qRound(xy[0].toDouble()), qRound(xy[1].toDouble())) : QPoint(-1, -1);
}
