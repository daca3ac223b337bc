#pragma once

#include "MapTypes.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QTranslator>
#include <QVariant>

class QSettings;

// The user's choices (language, map service, speed unit, screenshot and video
// folders), kept in "configuration.ini". It owns the application's one
// translator. Everything but the screenshot folder is used on the GUI thread
// only; the screenshot worker reads that folder from its own thread, so every
// access to the settings object, including its deferred write, is locked.
class Configuration : public QObject
{
    Q_OBJECT
public:
    // The process-wide store on defaultFilePath(), created on the first call.
    static Configuration *instance();

    // An independent store on `filePath`, for tools and tests.
    explicit Configuration(const QString &filePath);
    ~Configuration() override;

    // The file beside the executable, or in the user's configuration folder
    // when the executable's folder cannot be written.
    static QString defaultFilePath();
    static QString filePathFor(const QString &applicationDir, const QString &userConfigDir);

    QString fileName() const;

    int language();
    void setLanguage(int index);
    MapTypes maps();
    void setMaps(MapTypes map);
    QString screenshotSavePath();
    void setScreenshotSavePath(const QString &path);
    int speedUnit();
    void setSpeedUnit(int unit);
    QString videoFilePath();
    void setVideoFilePath(const QString &path);

signals:
    void updateLanguage();
    void mapsChanged(MapTypes map);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QVariant value(const QString &key, const QVariant &fallback = QVariant()) const;
    void setValue(const QString &key, const QVariant &value);
    static int languageFromSystem();
    bool applyTranslation(int index);

    QTranslator mTranslator;
    bool mTranslatorInstalled = false;
    QSettings *mSettings = nullptr;
    mutable QMutex mSettingsMutex;
};
