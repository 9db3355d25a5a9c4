#include "ui/platform/WindowLanguage.h"

#include "core/platform/Paths.h"
#include "core/platform/Texts.h"
#include "ui/platform/GameText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace lettrava {

namespace {

// The engine's texts, looked up in the application's installed translations.
class QtTextTranslator final : public TextTranslator {
public:
    std::string translate(const char* context, const char* source) const override
    {
        return toBytes(QCoreApplication::translate(context, source));
    }
};

std::vector<QPointer<QTranslator>>& installed()
{
    static std::vector<QPointer<QTranslator>> translators;
    return translators;
}

} // namespace

const std::vector<WindowLanguage>& windowLanguages()
{
    static const std::vector<WindowLanguage> languages = {
        {"en", "English"}, {"de", "Deutsch"},  {"fr", "Français"},   {"es", "Español"},
        {"it", "Italiano"}, {"nl", "Nederlands"},
    };
    return languages;
}

QString effectiveWindowLanguage(const QString& choice, const QStringList& systemLanguages)
{
    const auto known = [](const QString& code) {
        for (const WindowLanguage& l : windowLanguages())
            if (code == QLatin1String(l.code))
                return true;
        return false;
    };
    if (known(choice))
        return choice;
    // "de-AT", "de_DE.UTF-8" and "de" all ask for German.
    for (const QString& wanted : systemLanguages) {
        const QString code = wanted.left(2).toLower();
        if (known(code))
            return code;
    }
    return QStringLiteral("en");
}

QString translationsFolder() { return pathToQt(Paths::dataPath("translations")); }

void removeWindowLanguage()
{
    installTextTranslator(nullptr);
    for (QPointer<QTranslator>& t : installed()) {
        if (t) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }
    installed().clear();
}

bool installWindowLanguage(QCoreApplication& app, const QString& code, const QString& folder)
{
    removeWindowLanguage();
    if (code == QLatin1String("en"))
        return true;
    auto* own = new QTranslator(&app);
    if (!own->load(QStringLiteral("lettrava_") + code, folder.isEmpty() ? translationsFolder() : folder)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    installed().push_back(own);
    // Qt's standard buttons and dialogs; without Debian's package they stay English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        installed().push_back(qt);
    } else {
        delete qt;
    }
    static const QtTextTranslator engineTexts;
    installTextTranslator(&engineTexts);
    return true;
}

} // namespace lettrava
