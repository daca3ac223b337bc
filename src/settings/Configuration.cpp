#include "Configuration.h"

#include "InstallLayout.h"
#include "LanguageList.h"
#include "TranslationResources.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QMetaEnum>
#include <QMutexLocker>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

const QString fileBaseName = QStringLiteral("configuration.ini");
// Folder names that stay the same from one version to the next, unlike the
// application name, which carries the version.
const QString userFolderName = QStringLiteral("vantrel");
const QString screenshotFolderName = QStringLiteral("Vantrel");
const QString languageKey = QStringLiteral("language");
const QString mapsKey = QStringLiteral("maps");
const QString screenshotKey = QStringLiteral("ScreenshotSavePath");
const QString speedUnitKey = QStringLiteral("speedUnit");
const QString videoFolderKey = QStringLiteral("videoFilePath");
const QString splitterKey = QStringLiteral("playlistSplitter");
const QString severalWindowsKey = QStringLiteral("severalWindows");
const QString stillGpsTagsKey = QStringLiteral("stillGpsTags");
const QString geometryKey = QStringLiteral("windowGeometry");
const QString columnsKey = QStringLiteral("playlistColumns");
const QString volumeKey = QStringLiteral("volume");
const QString mutedKey = QStringLiteral("muted");
const QString recentFoldersKey = QStringLiteral("recentFolders");
constexpr int recentFolderCount = 8;
const QString tripGapKey = QStringLiteral("tripGapSeconds");
const QString horizontalEventKey = QStringLiteral("horizontalEventG");
const QString verticalEventKey = QStringLiteral("verticalEventG");
constexpr int defaultTripGap = 60;
constexpr double defaultHorizontalEventG = 0.35;
constexpr double defaultVerticalEventG = 0.5;
constexpr double smallestEventG = 0.05;

// Whether the settings file in `folder` can be written, tried for real:
// permission bits say nothing to root or about read-only mounts, and a full
// disk still opens files; only writing a file of the settings' size tells.
bool canWriteSettingsInto(const QString &folder)
{
    QFile existing(folder + QLatin1Char('/') + fileBaseName);
    if (existing.exists() && !existing.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/configuration-XXXXXX.ini"));
    const QByteArray filler(4096, ' ');
    return probe.open() && probe.write(filler) == filler.size() && probe.flush();
}

// A lock is held only for the moment of a write; one that stays is what a
// start killed while writing left behind, and it would make every write of
// this run wait for it. QLockFile itself sees through locks of processes
// that are gone, but not through empty ones or a number now reused. A lock
// younger than any write can take belongs to a running window: kept.
void releaseStaleLock(const QString &filePath)
{
    constexpr int oldestWriteSeconds = 10;
    const QString lockPath = filePath + QStringLiteral(".lock");
    if (!QFile::exists(lockPath))
        return;
    QLockFile lock(lockPath);
    if (lock.tryLock(250) || lock.error() != QLockFile::LockFailedError)
        return;
    const QDateTime written = QFileInfo(lockPath).lastModified();
    if (written.secsTo(QDateTime::currentDateTime()) > oldestWriteSeconds)
        QFile::remove(lockPath);
}

bool isKnownService(const QVariant &stored)
{
    bool isNumber = false;
    const int map = stored.toInt(&isNumber);
    return isNumber && (map == BaiduMap || map == GoogleMap);
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
        auto *configuration = new Configuration(defaultFilePath(), userConfigFolder());
        // Queued signals and the deferred file write belong on the GUI thread.
        if (QCoreApplication *application = QCoreApplication::instance())
            configuration->moveToThread(application->thread());
        return configuration;
    }();
    return theInstance;
}

Configuration::Configuration(const QString &filePath, const QString &fallbackFolder)
    : mFallbackFolder(fallbackFolder)
{
    qRegisterMetaType<MapTypes>("MapTypes");
    TranslationResources::initialise();
    mSettings = openSettings(filePath);
    if (!mSettings && !fallbackFolder.isEmpty())
        mSettings = openSettings(fallbackFolder + QLatin1Char('/') + fileBaseName);
    // Nothing usable anywhere: the defaults, kept for this run only, and
    // the user is told so.
    if (!mSettings) {
        mSettings = new QSettings(QString(), QSettings::IniFormat, this);
        mWriteFailureTold = true;
        addNotice(NoticeKind::NotSaved, filePath);
    }
    mSettings->installEventFilter(this);
}

// The settings on `filePath`, after a file that would stall or be ignored
// has been set aside; none when such a file cannot be moved out of the way.
QSettings *Configuration::openSettings(const QString &filePath)
{
    releaseStaleLock(filePath);
    if (QFileInfo(filePath).size() > largestFileSize && setAside(filePath).isEmpty())
        return nullptr;
    auto *settings = new QSettings(filePath, QSettings::IniFormat, this);
    // A file the settings layer cannot parse is never written again either.
    if (settings->status() == QSettings::FormatError) {
        delete settings;
        if (setAside(filePath).isEmpty())
            return nullptr;
        settings = new QSettings(filePath, QSettings::IniFormat, this);
    }
    return settings;
}

// Renames the file to a free name ending in ".bad"; empty when it cannot.
QString Configuration::setAside(const QString &filePath)
{
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString name = attempt == 1 ? filePath + QStringLiteral(".bad")
                                          : QStringLiteral("%1.%2.bad").arg(filePath).arg(attempt);
        if (QFile::exists(name))
            continue;
        if (!QFile::rename(filePath, name))
            break;
        addNotice(NoticeKind::SetAside, filePath, name);
        return name;
    }
    qWarning() << "cannot set aside the settings file" << filePath;
    return QString();
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
    return filePathFor(QCoreApplication::applicationDirPath(), userConfigFolder());
}

QString Configuration::userConfigFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + userFolderName;
}

QString Configuration::filePathFor(const QString &applicationDir, const QString &userConfigDir)
{
    // An installed program's folder is shared by every user.
    const bool besideProgram =
        InstallLayout::dataFolder(applicationDir).isEmpty() && canWriteSettingsInto(applicationDir);
    const QString folder = besideProgram ? applicationDir : userConfigDir;
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
        const QString file = fileName();
        if (!writeSettings() && !mWriteFailureTold) {
            mWriteFailureTold = true;
            addNotice(NoticeKind::NotSaved, file);
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// Writes what changed; a failed write moves the settings to the fallback
// folder, once. False when they could not be written anywhere.
bool Configuration::writeSettings()
{
    {
        QMutexLocker locker(&mSettingsMutex);
        mSettings->sync();
        if (mSettings->status() == QSettings::NoError)
            return true;
    }
    return moveToFallback();
}

bool Configuration::moveToFallback()
{
    const QString failed = fileName();
    const QString target = mFallbackFolder + QLatin1Char('/') + fileBaseName;
    if (mFallbackFolder.isEmpty() || QFileInfo(target).absoluteFilePath() == QFileInfo(failed).absoluteFilePath())
        return false;
    QDir().mkpath(mFallbackFolder);
    QSettings *next = openSettings(target);
    if (!next)
        return false;
    {
        QMutexLocker locker(&mSettingsMutex);
        // A failed write keeps the changes in memory: they all move.
        for (const QString &key : mSettings->allKeys())
            next->setValue(key, mSettings->value(key));
        next->sync();
        if (next->status() != QSettings::NoError) {
            delete next;
            return false;
        }
        mSettings->removeEventFilter(this);
        // Its own event may be the one being handled; it goes once that is over.
        mSettings->deleteLater();
        mSettings = next;
        mSettings->installEventFilter(this);
    }
    addNotice(NoticeKind::SavedElsewhere, failed, target);
    return true;
}

void Configuration::addNotice(NoticeKind kind, const QString &file, const QString &other)
{
    mNotices.append({kind, QDir::toNativeSeparators(file), QDir::toNativeSeparators(other)});
    emit noticesPending();
}

QStringList Configuration::takeNotices()
{
    QStringList texts;
    for (const Notice &notice : qAsConst(mNotices)) {
        switch (notice.kind) {
        case NoticeKind::SetAside:
            texts << tr("The settings file %1 was too large or damaged. It has been kept as %2, "
                        "and the default settings are used.").arg(notice.file, notice.other);
            break;
        case NoticeKind::SavedElsewhere:
            texts << tr("The settings could not be saved in %1. From now on they are saved in %2.")
                         .arg(notice.file, notice.other);
            break;
        case NoticeKind::NotSaved:
            texts << tr("The settings could not be saved in %1. Changes last only until the program ends.")
                         .arg(notice.file);
            break;
        }
    }
    mNotices.clear();
    return texts;
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
    // A service this program does not know would load no page at all.
    const QVariant stored = value(mapsKey);
    const MapTypes map = isKnownService(stored) ? static_cast<MapTypes>(stored.toInt())
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
    return value(screenshotKey, defaultScreenshotSavePath()).toString();
}

QString Configuration::defaultScreenshotSavePath()
{
    return QStringLiteral("%1/%2").arg(firstStandardFolder(QStandardPaths::PicturesLocation), screenshotFolderName);
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
    const bool changed = unit != speedUnit();
    setValue(speedUnitKey, unit);
    if (changed)
        emit speedUnitChanged(unit);
}

QString Configuration::videoFilePath()
{
    // A folder that is gone (a card taken out) would leave the dialog in
    // whatever folder the platform picks.
    const QString folder = value(videoFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

void Configuration::setVideoFilePath(const QString &path)
{
    setValue(videoFolderKey, path);
}

QByteArray Configuration::playlistSplitterState()
{
    return value(splitterKey).toByteArray();
}

void Configuration::setPlaylistSplitterState(const QByteArray &state)
{
    setValue(splitterKey, state);
}

QByteArray Configuration::windowGeometry()
{
    return value(geometryKey).toByteArray();
}

void Configuration::setWindowGeometry(const QByteArray &geometry)
{
    setValue(geometryKey, geometry);
}

QByteArray Configuration::playlistColumns()
{
    return value(columnsKey).toByteArray();
}

void Configuration::setPlaylistColumns(const QByteArray &widths)
{
    setValue(columnsKey, widths);
}

int Configuration::volume()
{
    bool isNumber = false;
    const int volume = value(volumeKey).toInt(&isNumber);
    return isNumber ? qBound(0, volume, 100) : 100;
}

void Configuration::setVolume(int volume)
{
    setValue(volumeKey, volume);
}

bool Configuration::muted()
{
    return value(mutedKey, false).toBool();
}

void Configuration::setMuted(bool muted)
{
    setValue(mutedKey, muted);
}

QStringList Configuration::recentFolders()
{
    QStringList folders;
    for (const QString &folder : value(recentFoldersKey).toStringList())
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && folders.size() < recentFolderCount)
            folders << folder;
    return folders;
}

void Configuration::addRecentFolder(const QString &folder)
{
    QStringList folders = recentFolders();
    folders.removeAll(folder);
    folders.prepend(folder);
    setValue(recentFoldersKey, QStringList(folders.mid(0, recentFolderCount)));
}

bool Configuration::severalWindows()
{
    return value(severalWindowsKey, false).toBool();
}

void Configuration::setSeveralWindows(bool allowed)
{
    setValue(severalWindowsKey, allowed);
}

bool Configuration::stillGpsTags()
{
    return value(stillGpsTagsKey, false).toBool();
}

void Configuration::setStillGpsTags(bool on)
{
    setValue(stillGpsTagsKey, on);
}

int Configuration::tripGapSeconds()
{
    bool isNumber = false;
    const int seconds = value(tripGapKey, defaultTripGap).toInt(&isNumber);
    return isNumber ? qBound(0, seconds, longestTripGap) : defaultTripGap;
}

void Configuration::setTripGapSeconds(int seconds)
{
    setTripValue(tripGapKey, qBound(0, seconds, longestTripGap), tripGapSeconds());
}

double Configuration::horizontalEventG()
{
    return eventG(horizontalEventKey, defaultHorizontalEventG);
}

void Configuration::setHorizontalEventG(double g)
{
    setTripValue(horizontalEventKey, qBound(smallestEventG, g, largestEventG), horizontalEventG());
}

double Configuration::verticalEventG()
{
    return eventG(verticalEventKey, defaultVerticalEventG);
}

void Configuration::setVerticalEventG(double g)
{
    setTripValue(verticalEventKey, qBound(smallestEventG, g, largestEventG), verticalEventG());
}

// A threshold of nothing would make every second an event.
double Configuration::eventG(const QString &key, double fallback)
{
    bool isNumber = false;
    const double g = value(key, fallback).toDouble(&isNumber);
    return isNumber ? qBound(smallestEventG, g, largestEventG) : fallback;
}

void Configuration::setTripValue(const QString &key, const QVariant &value, const QVariant &current)
{
    setValue(key, value);
    if (value != current)
        emit tripSettingsChanged();
}
