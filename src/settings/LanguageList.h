#pragma once

#include <QLocale>
#include <QString>

// The interface languages the player offers, by the index stored in the
// configuration and used by the settings dialog's list.
class LanguageList
{
public:
    static constexpr int count = 13;
    // Stored when the user has not chosen yet: the locale decides.
    static constexpr int notChosen = 13;
    // US English, also the choice for every language without a catalogue.
    static constexpr int english = 2;

    // The name shown in the settings dialog, translated in context "Setting";
    // empty outside the list.
    static QString displayText(int index);
    // The compiled catalogue of the language; empty for English and for
    // indexes outside the list, which show the source texts.
    static QString translationResource(int index);
    // What the Google map page of the language ends with; "en" outside the list.
    static QString googlePageSuffix(int index);
    // The language a user of `locale` most likely reads.
    static int indexForLocale(const QLocale &locale);
};
