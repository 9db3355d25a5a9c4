#include "ui/DesktopSetup.h"

#include "ui/QtDialogs.h"
#include "ui/SharedPictures.h"
#include "ui/TMenuStyle.h"
#include "ui/UiResources.h"

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
    installMenuStyle();
}

} // namespace lettrava
