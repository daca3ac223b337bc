#include "Configuration.h"

#include "LanguageList.h"
#include "TranslationResources.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMetaEnum>
#include <QMutexLocker>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString fileBaseName = QStringLiteral("configuration.ini");
const QString languageKey = QStringLiteral("language");
const QString mapsKey = QStringLiteral("maps");
const QString screenshotKey = QStringLiteral("ScreenshotSavePath");
const QString speedUnitKey = QStringLiteral("speedUnit");
const QString videoFolderKey = QStringLiteral("videoFilePath");

// Whether the settings file in `folder` can be written, tried for real:
// permission bits say nothing to root or about read-only mounts.
bool canWriteSettingsInto(const QString &folder)
{
    QFile existing(folder + QLatin1Char('/') + fileBaseName);
    if (existing.exists())
        return existing.open(QIODevice::WriteOnly | QIODevice::Append);
    QTemporaryFile probe(folder + QStringLiteral("/configuration-XXXXXX.ini"));
    return probe.open();
}

QString firstStandardFolder(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::standardLocations(location).value(0, QDir::homePath());
}

template<typename Enum>
const char *enumName(Enum value)
{
    return QMetaEnum::fromType<Enum>().valueToKey(value);
}

MapTypes mapsForLanguage(int language)
{
    return language == 0 || language == 1 ? BaiduMap : GoogleMap;
}

} // namespace

Configuration *Configuration::instance()
{
    // Thread-safe initialisation of a local static; never destroyed.
    static Configuration *const theInstance = [] {
        auto *configuration = new Configuration(defaultFilePath());
        // Queued signals and the deferred file write belong on the GUI thread.
        if (QCoreApplication *application = QCoreApplication::instance())
            configuration->moveToThread(application->thread());
        return configuration;
    }();
    return theInstance;
}

Configuration::Configuration(const QString &filePath)
    : mSettings(new QSettings(filePath, QSettings::IniFormat, this))
{
    qRegisterMetaType<MapTypes>("MapTypes");
    TranslationResources::initialise();
    mSettings->installEventFilter(this);
}

Configuration::~Configuration()
{
    if (mTranslatorInstalled && QCoreApplication::instance())
        QCoreApplication::removeTranslator(&mTranslator);
    QMutexLocker locker(&mSettingsMutex);
    delete mSettings;
    mSettings = nullptr;
}

QString Configuration::defaultFilePath()
{
    return filePathFor(QCoreApplication::applicationDirPath(),
                       QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString Configuration::filePathFor(const QString &applicationDir, const QString &userConfigDir)
{
    const QString folder = canWriteSettingsInto(applicationDir) ? applicationDir : userConfigDir;
    return folder + QLatin1Char('/') + fileBaseName;
}

QString Configuration::fileName() const
{
    QMutexLocker locker(&mSettingsMutex);
    return mSettings->fileName();
}

bool Configuration::eventFilter(QObject *watched, QEvent *event)
{
    // The settings object writes its changes later from its own event; do
    // that write here, under the lock, instead.
    if (watched == mSettings && event->type() == QEvent::UpdateRequest) {
        QMutexLocker locker(&mSettingsMutex);
        mSettings->sync();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

QVariant Configuration::value(const QString &key, const QVariant &fallback) const
{
    QMutexLocker locker(&mSettingsMutex);
    return mSettings->value(key, fallback);
}

void Configuration::setValue(const QString &key, const QVariant &value)
{
    QMutexLocker locker(&mSettingsMutex);
    mSettings->setValue(key, value);
}

int Configuration::language()
{
    int index = value(languageKey, LanguageList::notChosen).toInt();
    if (index == LanguageList::notChosen)
        index = languageFromSystem();
    qDebug() << "targetLanguage" << index;
    return index;
}

int Configuration::languageFromSystem()
{
    const QLocale locale;
    qDebug() << "Language" << enumName(locale.language()) << "Country" << enumName(locale.country());
    return LanguageList::indexForLocale(locale);
}

void Configuration::setLanguage(int index)
{
    if (!applyTranslation(index))
        return;
    setValue(languageKey, index);
    emit updateLanguage();
}

bool Configuration::applyTranslation(int index)
{
    const QString resource = LanguageList::translationResource(index);
    if (resource.isEmpty()) {
        QCoreApplication::removeTranslator(&mTranslator);
        mTranslatorInstalled = false;
        return true;
    }
    // Try the catalogue first: a failed load would empty the translator in
    // force and leave the interface half in English.
    QTranslator candidate;
    if (!candidate.load(resource) || !mTranslator.load(resource))
        return false;
    // The application would list the translator twice if installed again.
    if (mTranslatorInstalled)
        QCoreApplication::removeTranslator(&mTranslator);
    mTranslatorInstalled = QCoreApplication::installTranslator(&mTranslator);
    return true;
}

MapTypes Configuration::maps()
{
    const QVariant stored = value(mapsKey);
    const MapTypes map = stored.isValid() ? static_cast<MapTypes>(stored.toInt())
                                          : mapsForLanguage(language());
    qDebug() << "maps" << static_cast<int>(map);
    return map;
}

void Configuration::setMaps(MapTypes map)
{
    if (maps() == map)
        return;
    setValue(mapsKey, static_cast<int>(map));
    emit mapsChanged(map);
}

QString Configuration::screenshotSavePath()
{
    const QString fallback = QStringLiteral("%1/%2").arg(
        firstStandardFolder(QStandardPaths::PicturesLocation), QCoreApplication::applicationName());
    return value(screenshotKey, fallback).toString();
}

void Configuration::setScreenshotSavePath(const QString &path)
{
    setValue(screenshotKey, path);
}

int Configuration::speedUnit()
{
    return value(speedUnitKey, 0).toInt();
}

void Configuration::setSpeedUnit(int unit)
{
    setValue(speedUnitKey, unit);
}

QString Configuration::videoFilePath()
{
    return value(videoFolderKey, firstStandardFolder(QStandardPaths::MoviesLocation)).toString();
}

void Configuration::setVideoFilePath(const QString &path)
{
    setValue(videoFolderKey, path);
}
