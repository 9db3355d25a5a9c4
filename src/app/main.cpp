#include "core/platform/Paths.h"
#include "ui/TMainForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    lettrava::Paths::initialise(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettrava"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.lettrava.Lettrava"));
    lettrava::TMainForm window;
    window.show();
    return QApplication::exec();
}
