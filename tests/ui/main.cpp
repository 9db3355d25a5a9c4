#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// The window tests need one QApplication for the whole run; settings and
// standard folders are redirected away from the user's own.
int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettrava"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
