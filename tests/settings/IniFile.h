#pragma once

#include <QSettings>

inline void writeIni(const QString &path, const QVariantMap &values)
{
    QSettings file(path, QSettings::IniFormat);
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        file.setValue(it.key(), it.value());
}

inline QVariantMap readIni(const QString &path)
{
    QSettings file(path, QSettings::IniFormat);
    QVariantMap values;
    for (const QString &key : file.allKeys())
        values.insert(key, file.value(key));
    return values;
}
