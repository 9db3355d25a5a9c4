#include "core/platform/Paths.h"
#include "ui/DesktopSetup.h"
#include "ui/DesktopSwitches.h"
#include "ui/TMainForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // --home DIR, --no-sound and --low-colour are ours; the rest goes to Qt.
    lettrava::applyDesktopSwitches(lettrava::Paths::initialise(argc, argv));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettrava"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lettrava.Lettrava"));
    lettrava::initialiseDesktopApplication(app);
    lettrava::TMainForm window;
    window.show();
    return QApplication::exec();
}
