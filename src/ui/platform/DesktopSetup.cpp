#include "ui/platform/DesktopSetup.h"

#include "ui/platform/QtDialogs.h"
#include "ui/platform/SharedPictures.h"
#include "ui/platform/UiResources.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace lettrava {

void installFontSubstitutes()
{
    const QStringList families = QFontDatabase::families();
    if (!families.contains(QStringLiteral("Comic Sans MS")))
        QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                                   {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"),
                                    QStringLiteral("Comic Sans"), QStringLiteral("DejaVu Sans")});
    if (!families.contains(QStringLiteral("Courier")))
        QFont::insertSubstitutions(QStringLiteral("Courier"),
                                   {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                                    QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Monospace")});
}

void initialiseDesktopApplication(QApplication& app)
{
    initialiseUiResources();
    app.setWindowIcon(SharedPictures::instance().appIcon);
    installFontSubstitutes();
    installDesktopDialogs();
}

} // namespace lettrava
