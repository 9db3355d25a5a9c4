#include "ui/platform/WordLookup.h"

#include "core/platform/Dialogs.h"
#include "core/views/LookupAddress.h"
#include "core/words/Dictionary.h"
#include "net/DictClient.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/GameText.h"
#include "ui/platform/Product.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/platform/TLookupWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QUrl>

namespace lettrava {

namespace {

WordLookup::Opener& opener()
{
    static WordLookup::Opener o;
    return o;
}

DictClient localServer(std::chrono::milliseconds timeout)
{
    const int port = SettingsStore::read(settings::DictPort);
    return DictClient(SettingsStore::read(settings::DictServer).toStdString(),
                      static_cast<std::uint16_t>(port > 0 && port < 65536 ? port : dict::kDefaultPort), timeout);
}

QString definitionAddress()
{
    if (const GamePreferences* prefs = GamePreferences::instance())
        return prefs->definitionLookupURL();
    return SettingsStore::read(settings::LookupURL);
}

} // namespace

WordLookup& WordLookup::instance()
{
    static WordLookup* lookup = new WordLookup; // lives to the program's end, like the application
    return *lookup;
}

TLookupWindow* WordLookup::lookupWindow() const { return window_.data(); }

void WordLookup::setAddressOpener(Opener o) { opener() = std::move(o); }

bool WordLookup::localLookupAvailable() { return localServer(std::chrono::milliseconds(1500)).probe(); }

QString WordLookup::notInstalledText()
{
    return tr("It appears you do not have the dictionary installed. If you downloaded the non-dictionary version and "
              "would now like to be able to look up definitions locally, please visit %1 and download and install the "
              "dictionary version.\n\n")
        .arg(QLatin1String(kProductWebSite));
}

void WordLookup::lookUpLocally(const QString& word)
{
    DictClient::Result result;
    {
        WaitCursor wait;
        // Dictionary servers speak UTF-8.
        result = localServer(std::chrono::milliseconds(3000)).define(word.toUtf8().toStdString());
    }
    if (result.status == DictClient::Result::Status::Unavailable) {
        dialogs().showMessage(toBytes(notInstalledText()), toBytes(tr("Sorry")));
        return;
    }
    closeLocalLookup();
    if (result.status == DictClient::Result::Status::Failed) {
        dialogs().showMessage(toBytes(tr(kNotAvailableText)), toBytes(tr("Sorry")));
        return;
    }
    window_ = new TLookupWindow(nullptr);
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->showDefinitions(word, result.definitions);
    window_->show();
    window_->raise();
}

void WordLookup::closeLocalLookup()
{
    if (!window_)
        return;
    TLookupWindow* w = window_.data();
    window_.clear();
    w->recordPosition();
    w->hide();
    w->deleteLater();
}

bool WordLookup::askForAddress(QString& address)
{
    bool ok = false;
    const QString suggestion =
        toQt(LookupAddress::withoutScheme(settings::LookupURL.defaultValue));
    const QString text = QInputDialog::getText(QApplication::activeWindow(), tr("URL Needed"),
                                               tr("Please enter a location (accept the default if unsure)"),
                                               QLineEdit::Normal, suggestion, &ok);
    if (!ok)
        return false;
    address = text;
    return true;
}

void WordLookup::lookUpOnInternet(const QString& word)
{
    QString base = definitionAddress();
    if (static_cast<std::size_t>(base.size()) < LookupAddress::kMinimumLength) {
        if (!askForAddress(base))
            return;
        if (GamePreferences* prefs = GamePreferences::instance())
            prefs->setDefinitionLookupURL(base);
        else
            SettingsStore::write(settings::LookupURL, base);
    }
    openAddress(toQt(LookupAddress::definitionPage(toBytes(base), toBytes(word))));
}

void WordLookup::lookUpOnDictionaryPage(const QString& word, int which)
{
    const Dictionary& d = Dictionary::instance();
    const std::string page = which == 2 ? d.lookupPage2() : d.lookupPage1();
    openAddress(toQt(LookupAddress::dictionaryPage(page, toBytes(word))));
}

void WordLookup::openAddress(QString address)
{
    if (static_cast<std::size_t>(address.size()) < LookupAddress::kMinimumLength && !askForAddress(address))
        return;
    WaitCursor wait;
    if (opener()) {
        opener()(address);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace lettrava
