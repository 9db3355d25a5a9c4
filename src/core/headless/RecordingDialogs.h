#pragma once

#include "core/platform/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace lettrava {

// Dialogs that remember what was shown and answer questions from a queue
// (Ok / Yes when the queue is empty). For tests and headless runs.
class RecordingDialogs : public Dialogs {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
    };

    MessageAnswer showMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon) override
    {
        messages.push_back({text, caption, buttons, icon});
        if (!answers.empty()) {
            MessageAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel) ? MessageAnswer::Yes
                                                                                             : MessageAnswer::Ok;
    }
    void reportError(const std::string& text) override { errors.push_back(text); }
    void setBusy(bool busy) override { busy ? ++busyOn : ++busyOff; }

    std::vector<Shown> messages;
    std::vector<std::string> errors;
    std::deque<MessageAnswer> answers;
    int busyOn = 0;
    int busyOff = 0;
};

// Installs dialogs for the lifetime of this object and puts the previous
// ones back afterwards.
class ScopedDialogs {
public:
    explicit ScopedDialogs(Dialogs& d) : previous_(&dialogs()) { setDialogs(&d); }
    ~ScopedDialogs() { setDialogs(previous_); }
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    Dialogs* previous_;
};

} // namespace lettrava
