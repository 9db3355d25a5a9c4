#pragma once

#include "core/platform/Preferences.h"

#include <map>
#include <string>

namespace lettrava {

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
