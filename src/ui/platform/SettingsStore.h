#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace lettrava {

// A flag: stored as the text "0" or "1"; read back as true for any non-zero number.
struct FlagSetting {
    const char* group; // "" for the main key, "Sounds" for the sound values
    const char* name;
    bool defaultValue;
};

// An integer: stored as a number.
struct IntSetting {
    const char* group;
    const char* name;
    int defaultValue;
};

// A text. A default that depends on the machine (the program folder, say) is
// given by defaultFunction instead of defaultValue.
struct TextSetting {
    const char* group;
    const char* name;
    const char* defaultValue;
    QString (*defaultFunction)() = nullptr;

    QString defaultText() const { return defaultFunction ? defaultFunction() : QString::fromUtf8(defaultValue); }
};

// The per-user settings store: named values under the key "Lettrava" (on
// Windows HKEY_CURRENT_USER\Software\Lettrava, on Linux Lettrava.conf in the
// XDG configuration folder), the sound values in its group "Sounds".
//
// Every read and every write opens the store, does its work and closes it
// again, so two windows never hold different copies of a value; the windows
// keep the values they use in their own controls and fields.
//
// A missing value, or one that does not read as its type (a flag or an
// integer that is not a number, an oversized text), reads as its default.
class SettingsStore {
public:
    // Texts longer than this read as their default: the store is a file the
    // user can edit, so it is read as untrusted input.
    static constexpr int kMaxTextLength = 4096;

    static bool read(const FlagSetting& s);
    static int read(const IntSetting& s);
    static QString read(const TextSetting& s);

    static void write(const FlagSetting& s, bool value);
    static void write(const IntSetting& s, int value);
    static void write(const TextSetting& s, const QString& value);

    // Whether the value exists in the store at all.
    static bool contains(const char* group, const char* name);

    // Points the store at an INI file instead of the user's settings (tests,
    // and a portable set-up). An empty path goes back to the user's settings.
    // Another file format registered with QSettings::registerFormat may be
    // given (tests use one that records each value's type).
    static void useFile(const QString& iniFile, int format = -1);
    static QString fileInUse();

private:
    static std::unique_ptr<QSettings> open(const char* group);
};

} // namespace lettrava
