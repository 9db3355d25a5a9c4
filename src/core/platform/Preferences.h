#pragma once

#include <map>
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

// Preferences holding plain values, for tools and tests.
class FixedPreferences : public Preferences {
public:
    explicit FixedPreferences(std::string dictionaryFile = {}) : dictionaryFile_(std::move(dictionaryFile)) {}
    std::string selectedDictionaryFile() override { return dictionaryFile_; }
    void setDictionaryFile(std::string file) { dictionaryFile_ = std::move(file); }
    std::string settingText(const std::string& name, const std::string& fallback) override
    {
        const auto it = texts_.find(name);
        return it == texts_.end() ? fallback : it->second;
    }
    void setSettingText(const std::string& name, std::string value) { texts_[name] = std::move(value); }

private:
    std::string dictionaryFile_;
    std::map<std::string, std::string> texts_;
};

} // namespace lettrava
