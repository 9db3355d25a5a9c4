#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QCoreApplication;

namespace lettrava {

// The languages the windows speak. English is the language the program is
// written in; the others come from translation files beside the program
// (translations/lettrava_xx.qm), with Qt's own for its standard buttons and
// file dialogs. What travels to other computers, what lettrava-tool prints,
// files and settings stay English whatever the language.
struct WindowLanguage {
    const char* code; // "de"
    const char* name; // "Deutsch", in its own language
};
const std::vector<WindowLanguage>& windowLanguages();

// The language of the stored choice ("" follows the system), else of the
// first of the system's languages that the program has, else English.
QString effectiveWindowLanguage(const QString& choice, const QStringList& systemLanguages);

// Installs the translations of `code` into the application, the engine's
// texts included, in place of any installed before; English installs none.
// False when the translation file cannot be read (the windows then stay
// English). `folder` holds the .qm files; by default the program's own.
bool installWindowLanguage(QCoreApplication& app, const QString& code, const QString& folder = {});
// Back to English.
void removeWindowLanguage();

// The folder of the program's translation files.
QString translationsFolder();

} // namespace lettrava
