#pragma once

#include <string>

namespace lettrava {

// What the engine reads from the user's preferences. The desktop program's
// preferences window implements it over the settings store; the tools and the
// tests implement it with plain values.
class Preferences {
public:
    virtual ~Preferences() = default;

    // Full path of the dictionary file chosen by the user, or empty text when
    // no valid dictionary is chosen.
    virtual std::string selectedDictionaryFile() = 0;
    // A text value of the program's settings ("Email", "Message" …), or the
    // fallback when it is not set.
    virtual std::string settingText(const std::string& name, const std::string& fallback)
    {
        (void)name;
        return fallback;
    }
};

// The installed preferences; until something is installed, no dictionary is chosen.
Preferences& preferences();
void setPreferences(Preferences* p);

} // namespace lettrava
