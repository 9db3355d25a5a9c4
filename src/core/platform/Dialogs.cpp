#include "core/platform/Dialogs.h"

#include <atomic>
#include <iostream>

namespace lettrava {

namespace {

class StderrDialogs final : public Dialogs {
public:
    MessageAnswer showMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons, MessageIcon) override
    {
        std::cerr << caption << ": " << text << '\n';
        switch (buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel: return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return MessageAnswer::Yes;
        }
        return MessageAnswer::Ok;
    }
    void reportError(const std::string& text) override { std::cerr << "error: " << text << '\n'; }
};

StderrDialogs defaultDialogs;
std::atomic<Dialogs*> installed{nullptr};
int busyDepth = 0;

} // namespace

Dialogs& dialogs()
{
    Dialogs* d = installed.load();
    return d ? *d : defaultDialogs;
}

void setDialogs(Dialogs* d) { installed.store(d); }

WaitCursor::WaitCursor()
{
    if (busyDepth++ == 0)
        dialogs().setBusy(true);
}

WaitCursor::~WaitCursor()
{
    if (--busyDepth == 0)
        dialogs().setBusy(false);
}

} // namespace lettrava
