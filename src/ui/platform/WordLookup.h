#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace lettrava {

class TLookupWindow;

// Looking a word's meaning up: on the dictionary server of this computer (a
// DICT server such as dictd, shown in the "Lettrava Lookup" window), or on a
// web page: the definition page of the preferences, or one of the two pages
// that the loaded dictionary names. One service for the program, created on
// first use, on the user-interface thread.
class WordLookup : public QObject {
    Q_OBJECT
public:
    static WordLookup& instance();

    // Whether a dictionary server answers at the address of the settings
    // "DictServer" and "DictPort".
    static bool localLookupAvailable();

    void lookUpLocally(const QString& word);
    // Closes the lookup window, if one is open, and records where it was.
    void closeLocalLookup();
    void lookUpOnInternet(const QString& word);
    // which: 1 or 2, the loaded dictionary's first or second page.
    void lookUpOnDictionaryPage(const QString& word, int which);
    // Opens the address with the system's handler (the web browser, the mail
    // program for "mailto:"); failures of the handler are not reported.
    void openAddress(QString address);

    // The lookup window, while one is open.
    TLookupWindow* lookupWindow() const;

    // Replaces the system's open action (tests); an empty function restores it.
    using Opener = std::function<void(const QString& address)>;
    static void setAddressOpener(Opener opener);

    static QString notInstalledText();
    static constexpr const char* kNotAvailableText = QT_TRANSLATE_NOOP("lettrava::WordLookup",
        "The Dictionary is not available.  Please use the internet lookup or reinstall the dictionary version "
        "of Lettrava");

private:
    WordLookup() = default;
    // The "URL Needed" prompt; the accepted text, or nothing when cancelled.
    bool askForAddress(QString& address);

    QPointer<TLookupWindow> window_;
};

} // namespace lettrava
