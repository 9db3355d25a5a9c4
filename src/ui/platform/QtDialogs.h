#pragma once

#include "core/platform/Dialogs.h"

namespace lettrava {

// The desktop program's answer to the engine's dialogs seam: modal message
// boxes with the given caption, buttons and icon over the active window, the
// application's error box, and the busy cursor.
//
// Windows ask their questions through dialogs() too, never through
// QMessageBox directly, so a test that installs RecordingDialogs (with
// ScopedDialogs) sees every message and answers it.
class QtDialogs final : public Dialogs {
public:
    MessageAnswer showMessage(const std::string& text, const std::string& caption,
                              MessageButtons buttons = MessageButtons::Ok,
                              MessageIcon icon = MessageIcon::None) override;
    void reportError(const std::string& text) override;
    void setBusy(bool busy) override;

    // The program's instance.
    static QtDialogs& instance();
};

// Installs the Qt dialogs as the process's dialogs, unless `recordForTests`
// is given, which is installed instead.
void installDesktopDialogs(Dialogs* recordForTests = nullptr);

} // namespace lettrava
