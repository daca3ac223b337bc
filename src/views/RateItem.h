#pragma once

#include <QString>
#include <QVariant>

// One choice of the rate selector: the text it shows and the value it stands for.
struct RateItem
{
    QString text;
    QVariant data;
};
