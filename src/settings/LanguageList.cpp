#include "LanguageList.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Language
{
    const char *displayText;
    const char *catalogue;
    const char *googlePageSuffix;
};

// Some display texts end in a space; they are shown exactly as they stand.
const std::array<Language, LanguageList::count> languages = {{
    {QT_TRANSLATE_NOOP("Setting", "(zh-CN)简体中文"), "Chinese", "zh_CN"},
    {QT_TRANSLATE_NOOP("Setting", "(zh-TW)繁體中文"), "ChineseTraditional", "zh_TW"},
    {QT_TRANSLATE_NOOP("Setting", "(en-US)English"), nullptr, "en"},
    {QT_TRANSLATE_NOOP("Setting", "(en-GB)English"), nullptr, "en_uk"},
    {QT_TRANSLATE_NOOP("Setting", "(fr)Français "), "French", "fr"},
    {QT_TRANSLATE_NOOP("Setting", "(it)Italiano"), "Italian", "it"},
    {QT_TRANSLATE_NOOP("Setting", "(jp)日本語 "), "Japanese", "ja"},
    {QT_TRANSLATE_NOOP("Setting", "(pl)Polski"), "Polish", "pl"},
    {QT_TRANSLATE_NOOP("Setting", "(ru)Pусский"), "Russian", "ru"},
    {QT_TRANSLATE_NOOP("Setting", "(de)Deutsch "), "German", "de"},
    {QT_TRANSLATE_NOOP("Setting", "(es)Español "), "Spanish", "es"},
    {QT_TRANSLATE_NOOP("Setting", "(pt)Portuguese"), "Portugal", "pt"},
    {QT_TRANSLATE_NOOP("Setting", "(ko)한국어"), "Korean", "ko"},
}};

const Language *languageAt(int index)
{
    if (index < 0 || index >= LanguageList::count)
        return nullptr;
    return &languages[static_cast<size_t>(index)];
}

} // namespace

QString LanguageList::displayText(int index)
{
    const Language *language = languageAt(index);
    return language ? QCoreApplication::translate("Setting", language->displayText) : QString();
}

QString LanguageList::translationResource(int index)
{
    const Language *language = languageAt(index);
    if (!language || !language->catalogue)
        return QString();
    return QStringLiteral(":/translations/%1.qm").arg(QLatin1String(language->catalogue));
}

QString LanguageList::googlePageSuffix(int index)
{
    const Language *language = languageAt(index);
    return QLatin1String(language ? language->googlePageSuffix : "en");
}

int LanguageList::indexForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese: {
        const QLocale::Country country = locale.country();
        return country == QLocale::Taiwan || country == QLocale::HongKong ? 1 : 0;
    }
    case QLocale::French: return 4;
    case QLocale::Italian: return 5;
    case QLocale::Japanese: return 6;
    case QLocale::Polish: return 7;
    case QLocale::Russian: return 8;
    case QLocale::German: return 9;
    case QLocale::Spanish: return 10;
    case QLocale::Portuguese: return 11;
    case QLocale::Korean: return 12;
    default: return english;
    }
}
