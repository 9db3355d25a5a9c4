#include "core/platform/Clock.h"
#include "core/platform/Paths.h"
#include "ui/platform/DesktopSetup.h"
#include "ui/platform/DesktopSwitches.h"
#include "ui/shell/GameWindows.h"
#include "ui/platform/QtTime.h"
#include "ui/platform/Settings.h"
#include "ui/platform/WindowLanguage.h"
#include "ui/shell/TMainForm.h"
#include "ui/widgets/TMenuStyle.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>

namespace {

// --help and --version are answered before any window (or display) is needed.
bool answeredFromTheCommandLine(int argc, char** argv)
{
    const auto given = [&](const char* option) {
        return std::any_of(argv + 1, argv + argc, [option](const char* a) { return std::string(a) == option; });
    };
    if (given("--help") || given("-h")) {
        std::printf("usage: lettrava [--home DIR] [--no-sound] [--low-colour] [Qt options]\n"
                    "       lettrava --help | --version\n\n"
                    "  --home DIR    the program folder: dictionaries, sounds, saved players and words\n"
                    "  --no-sound    plays nothing and opens no audio device\n"
                    "  --low-colour  the plain look of a 256-colour display\n");
        return true;
    }
    if (given("--version")) {
        std::printf("lettrava %s\n", LETTRAVA_VERSION);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (answeredFromTheCommandLine(argc, argv))
        return 0;
    // --home DIR, --no-sound and --low-colour are ours; the rest goes to Qt.
    lettrava::applyDesktopSwitches(lettrava::Paths::initialise(argc, argv));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettrava"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lettrava.Lettrava"));
    lettrava::initialiseDesktopApplication(app);
    // The windows speak the chosen language, else the system's.
    lettrava::installWindowLanguage(
        app, lettrava::effectiveWindowLanguage(lettrava::SettingsStore::read(lettrava::settings::Language),
                                               QLocale::system().uiLanguages()));
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
