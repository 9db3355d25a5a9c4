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
};

// The installed preferences; until something is installed, no dictionary is chosen.
Preferences& preferences();
void setPreferences(Preferences* p);

// Preferences holding plain values, for tools and tests.
class FixedPreferences : public Preferences {
public:
    explicit FixedPreferences(std::string dictionaryFile = {}) : dictionaryFile_(std::move(dictionaryFile)) {}
    std::string selectedDictionaryFile() override { return dictionaryFile_; }
    void setDictionaryFile(std::string file) { dictionaryFile_ = std::move(file); }

private:
    std::string dictionaryFile_;
};

} // namespace lettrava
