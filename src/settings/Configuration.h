#pragma once

#include "MapTypes.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QStringList>
#include <QString>
#include <QTranslator>
#include <QVariant>

class QSettings;

// The user's choices (language, map service, speed unit, screenshot and video
// folders, GPS tags in stills), kept in "configuration.ini". It owns the application's one
// translator. Everything but the screenshot folder is used on the GUI thread
// only; the screenshot worker reads that folder from its own thread, so every
// access to the settings object, including its deferred write, is locked.
//
// The file never costs the user settings silently: one over a sane size or
// one that cannot be parsed is set aside (renamed, never deleted) and the
// defaults are used; when a write fails, the settings move to the fallback
// folder. Either is kept as a notice for the user.
class Configuration : public QObject
{
    Q_OBJECT
public:
    // Larger settings files are damaged: they only stall start-up.
    static constexpr qint64 largestFileSize = 1024 * 1024;

    // The process-wide store on defaultFilePath(), created on the first call.
    static Configuration *instance();

    // An independent store on `filePath`, for tools and tests; writes that
    // fail there go to "configuration.ini" in `fallbackFolder` (none: the
    // settings are then kept for this run only).
    explicit Configuration(const QString &filePath, const QString &fallbackFolder = QString());
    ~Configuration() override;

    // The file beside the executable, or in the user's configuration folder
    // ("vantrel") when the program runs installed or its folder cannot be
    // written.
    static QString defaultFilePath();
    static QString filePathFor(const QString &applicationDir, const QString &userConfigDir);
    static QString userConfigFolder();

    QString fileName() const;

    int language();
    void setLanguage(int index);
    MapTypes maps();
    void setMaps(MapTypes map);
    QString screenshotSavePath();
    // The application's folder in the user's pictures folder.
    static QString defaultScreenshotSavePath();
    void setScreenshotSavePath(const QString &path);
    int speedUnit();
    void setSpeedUnit(int unit);
    // The folder the open dialog starts in: the last one used while it
    // exists, else the home folder.
    QString videoFilePath();
    void setVideoFilePath(const QString &path);
    // What makes clips one trip: the longest pause between them, in
    // seconds; and the G-sensor thresholds of an event, in g, horizontal
    // (braking, swerving) and vertical (potholes). Values out of range are
    // taken as the nearest in range.
    static constexpr int longestTripGap = 24 * 3600;
    static constexpr double largestEventG = 8.0;
    int tripGapSeconds();
    void setTripGapSeconds(int seconds);
    double horizontalEventG();
    void setHorizontalEventG(double g);
    double verticalEventG();
    void setVerticalEventG(double g);

    // How the main window shares its height between video and playlist.
    QByteArray playlistSplitterState();
    void setPlaylistSplitterState(const QByteArray &state);

    // What the user has not been told yet about the settings file, in the
    // interface language; each notice is handed out once.
    QStringList takeNotices();

    // The main window's place, size and maximised state (QWidget::saveGeometry).
    QByteArray windowGeometry();
    void setWindowGeometry(const QByteArray &geometry);
    // The playlist's column widths the user has set (PlaylistColumns::widths).
    QByteArray playlistColumns();
    void setPlaylistColumns(const QByteArray &widths);
    // The player's volume (0 to 100, linear) and mute.
    int volume();
    void setVolume(int volume);
    bool muted();
    void setMuted(bool muted);
    // The folders recordings were last opened from, the latest first, those
    // still there only.
    QStringList recentFolders();
    void addRecentFolder(const QString &folder);

    // Whether every start opens a window of its own instead of handing its
    // files to the window already open.
    bool severalWindows();
    void setSeveralWindows(bool allowed);

    // Whether a still image carries its second's telemetry as EXIF GPS tags.
    bool stillGpsTags();
    void setStillGpsTags(bool on);

signals:
    void updateLanguage();
    void mapsChanged(MapTypes map);
    // The speed unit was set to another value.
    void speedUnitChanged(int unit);
    // The trip gap or an event threshold was set to another value.
    void tripSettingsChanged();
    // A notice is waiting for takeNotices().
    void noticesPending();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class NoticeKind { SetAside, SavedElsewhere, NotSaved };
    struct Notice
    {
        NoticeKind kind;
        QString file;
        QString other;
    };

    QVariant value(const QString &key, const QVariant &fallback = QVariant()) const;
    void setValue(const QString &key, const QVariant &value);
    double eventG(const QString &key, double fallback);
    void setTripValue(const QString &key, const QVariant &value, const QVariant &current);
    static int languageFromSystem();
    bool applyTranslation(int index);
    QSettings *openSettings(const QString &filePath);
    QString setAside(const QString &filePath);
    bool writeSettings();
    bool moveToFallback();
    void addNotice(NoticeKind kind, const QString &file, const QString &other = QString());

    QTranslator mTranslator;
    bool mTranslatorInstalled = false;
    QSettings *mSettings = nullptr;
    mutable QMutex mSettingsMutex;
    QString mFallbackFolder;
    bool mWriteFailureTold = false;
    QList<Notice> mNotices;
};
