#include "core/platform/Clock.h"
#include "core/platform/Paths.h"
#include "ui/platform/DesktopSetup.h"
#include "ui/platform/DesktopSwitches.h"
#include "ui/shell/GameWindows.h"
#include "ui/platform/QtTime.h"
#include "ui/shell/TMainForm.h"
#include "ui/widgets/TMenuStyle.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

int main(int argc, char** argv)
{
    // --home DIR, --no-sound and --low-colour are ours; the rest goes to Qt.
    lettrava::applyDesktopSwitches(lettrava::Paths::initialise(argc, argv));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettrava"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lettrava.Lettrava"));
    lettrava::initialiseDesktopApplication(app);
    // The owner-drawn look of every menu.
    lettrava::installMenuStyle();

    // The round clock runs on the system's monotonic clock and the game's
    // timers on Qt's event loop.
    lettrava::QtClock clock;
    lettrava::QtTimerFactory timers;
    lettrava::setClock(&clock);
    lettrava::setTimers(&timers);

    int result = 1;
    try {
        // Creating the window seeds the random generator, creates the
        // preferences (which read every setting) and installs the sound
        // player and the preferences for the game.
        lettrava::TMainForm window;
        lettrava::installGameWindows(window);
        window.show();
        result = QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Lettrava"), QString::fromLocal8Bit(e.what()));
    }
    lettrava::setTimers(nullptr);
    lettrava::setClock(nullptr);
    return result;
}
