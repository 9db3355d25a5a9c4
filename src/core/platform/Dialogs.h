#pragma once

#include <string>

namespace lettrava {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Modal message boxes, the application's error report and the hourglass cursor.
//
// The engine asks its questions and reports its failures through this seam; the
// desktop program answers with real message boxes, the command-line tool prints
// to stderr, and tests record what was shown and answer from a script.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer showMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None) = 0;

    // The application's general error report: a failure that ended an operation
    // (an unreadable file, a short read) and has no message of its own.
    virtual void reportError(const std::string& text) = 0;

    // Shows or hides the busy (hourglass) cursor. Calls come in pairs from
    // WaitCursor, possibly nested.
    virtual void setBusy(bool busy) { (void)busy; }
};

// The installed dialogs. Until something is installed, messages go to the
// standard error stream and every question is answered with its first button.
Dialogs& dialogs();

// Installs d (not owned; must outlive its use) or, with nullptr, the default.
void setDialogs(Dialogs* d);

// Shows the busy cursor for as long as it exists.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace lettrava
