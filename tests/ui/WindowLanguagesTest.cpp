// The windows in every language they ship with: the translation files
// themselves, the windows' Alt keys and room for their texts, and a German
// round.

#include "GameWindowTest.h"
#include "MainWindowTest.h"

#include "core/game/Verdict.h"
#include "core/game/Player.h"
#include "core/views/TipOfTheDay.h"
#include "ui/dialogs/TALSTipDlg.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TAddWordForm.h"
#include "ui/dialogs/TCongratulationsForm.h"
#include "ui/dialogs/THelpWarningForm.h"
#include "ui/dialogs/TPlayerStatsForm.h"
#include "ui/dialogs/TRRForm.h"
#include "ui/factory/TFactoryMode.h"
#include "ui/factory/TFactoryWordListForm.h"
#include "ui/net/TTCPForm.h"
#include "ui/platform/GameText.h"
#include "ui/platform/WindowLanguage.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QXmlStreamReader>

namespace {

const QStringList kTranslated = {"de", "fr", "es", "it", "nl"};

QString compiledTranslations() { return QCoreApplication::applicationDirPath() + "/translations"; }

// The numbered places (%1 ...), the tips' markers and the single '&' of a text.
QStringList marks(const QString& text)
{
    QStringList out;
    static const QRegularExpression place(QStringLiteral("%[1-9]|%CRLF%"));
    for (auto it = place.globalMatch(text); it.hasNext();)
        out << it.next().captured();
    out.sort();
    if (text.startsWith('+'))
        out << QStringLiteral("leading +");
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    out << QStringLiteral("& x%1").arg(plain.count('&'));
    return out;
}

// The captions of `window` that have less room than their text needs.
QStringList cutOff(QWidget& window)
{
    QStringList out;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window))
            continue;
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && l->pixmap().isNull())
            text = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            text = g->title();
        if (!text.trimmed().isEmpty() && w->width() < w->minimumSizeHint().width())
            out << QStringLiteral("%1 (%2 < %3)").arg(text).arg(w->width()).arg(w->minimumSizeHint().width());
    }
    return out;
}

class WindowLanguagesTest : public MainWindowTest {
protected:
    ~WindowLanguagesTest() override { removeWindowLanguage(); }

    // The main window made anew in `code`.
    void speak(const QString& code)
    {
        window.reset();
        ASSERT_TRUE(installWindowLanguage(*qApp, code, compiledTranslations())) << code.toStdString();
        openWindow();
    }

    // Every Alt key of the window is one caption's, and every caption has its room.
    void expectTidy(QWidget& w, const QString& what)
    {
        for (const auto& [key, captions] : test::altKeysOf(w))
            EXPECT_EQ(captions.size(), 1) << what.toStdString() << ": Alt+" << QString(key).toStdString() << ": "
                                          << captions.join(", ").toStdString();
        EXPECT_EQ(cutOff(w).join(", ").toStdString(), "") << what.toStdString();
    }
};

} // namespace

TEST_F(WindowLanguagesTest, EveryTranslationIsFinishedAndKeepsThePlacesKeysAndLettersOfItsSource)
{
    const QDir folder(QStringLiteral(LETTRAVA_SOURCE_DIR "/translations"));
    for (const QString& code : kTranslated) {
        QFile file(folder.filePath("lettrava_" + code + ".ts"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        QXmlStreamReader xml(&file);
        int messages = 0;
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                const bool unfinished = !xml.attributes().value("type").isEmpty();
                const QString text = xml.readElementText();
                ++messages;
                const std::string where = code.toStdString() + ": " + source.toStdString();
                EXPECT_FALSE(unfinished || text.isEmpty()) << where;
                EXPECT_EQ(marks(text).join(' ').toStdString(), marks(source).join(' ').toStdString())
                    << where << " -> " << text.toStdString();
                // The engine keeps its texts in Latin-1.
                EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; }))
                    << where << " -> " << text.toStdString();
            }
        }
        EXPECT_FALSE(xml.hasError()) << code.toStdString() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 400) << code.toStdString();
    }
}

TEST_F(WindowLanguagesTest, EveryLanguageKeepsItsWindowsAltKeysApartAndItsTextsUncut)
{
    for (const QString& code : kTranslated) {
        SCOPED_TRACE(code.toStdString());
        speak(code);
        EXPECT_NE(action("mnuGameNew")->text(), "&New") << "the windows speak the language";
        expectTidy(*window, "main window");
        for (QMenu* menu : window->menuBar()->findChildren<QMenu*>()) {
            std::map<QChar, QStringList> keys;
            for (QAction* a : menu->actions())
                if (const QChar k = test::mnemonicOf(a->text()); !k.isNull())
                    keys[k] << a->text();
            for (const auto& [key, items] : keys)
                EXPECT_EQ(items.size(), 1) << menu->title().toStdString() << ": " << items.join(", ").toStdString();
        }

        window->mnuGridFactoryClick();
        expectTidy(*window, "Grid Factory");
        window->findChild<QAction*>("mnuFactoryWordList")->trigger();
        ASSERT_NE(window->factory()->wordList(), nullptr);
        expectTidy(*window->factory()->wordList(), "generator");
        window->factory()->wordList()->close();
        window->findChild<QAction*>("mnuFactoryExit")->trigger();

        whenSetupDialogShows([&](TPlayerInfoDlg& d) { expectTidy(d, "setup"); }, false);
        action("mnuGameNew")->trigger();

        TPreferencesForm& prefs = window->preferencesForm();
        prefs.open();
        for (const auto page : {TPreferencesForm::Page::General, TPreferencesForm::Page::Sounds}) {
            prefs.setPage(page);
            expectTidy(prefs, page == TPreferencesForm::Page::General ? "preferences, General" : "preferences, Sounds");
        }
        prefs.closeWithoutSaving();

        bool joined = false;
        test::whenModal<TTCPForm>([&](TTCPForm& f) {
            expectTidy(f, "connection window");
            joined = true;
            f.cancelClick();
        });
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), Qt::Key_J);
        EXPECT_TRUE(joined);

        newGame({{InputMethod::KeyboardAndMouse, "Ann"}});
        startRound();
        EXPECT_EQ(cutOff(*window).join(", ").toStdString(), "") << "the panels of play";
        runToRoundEnd();
        {
            TRRForm results(false, game(), *game().round(), window.get());
            results.show();
            expectTidy(results, "results");
        }

        // The smaller windows, each as it first opens.
        Player ann;
        ann.name = "Ann";
        TAboutBox about;
        TALSTipDlg tips(TipOfTheDay::builtInTips(), true);
        TCongratulationsForm congratulations(QStringLiteral("Ann"), true);
        THelpWarningForm warning;
        TAddWordForm addWord("LETTRAVA");
        TPlayerStatsForm stats(ann);
        const std::pair<QWidget*, const char*> small[] = {{&about, "about"},       {&tips, "tips"},
                                                          {&congratulations, "congratulations"},
                                                          {&warning, "help warning"}, {&addWord, "add word"},
                                                          {&stats, "player stats"}};
        for (const auto& [w, name] : small) {
            w->show();
            QCoreApplication::processEvents();
            expectTidy(*w, name);
            w->hide();
        }
    }
}

TEST_F(WindowLanguagesTest, AGermanRoundHasGermanMenusVerdictsAndQuestionsWhileTheEngineAloneStaysEnglish)
{
    // The system's languages decide unless the player chose one.
    EXPECT_EQ(effectiveWindowLanguage("", {"de-AT", "en-GB"}), "de");
    EXPECT_EQ(effectiveWindowLanguage("", {"pt-BR", "nl_BE.UTF-8"}), "nl");
    EXPECT_EQ(effectiveWindowLanguage("", {"pt-BR"}), "en");
    EXPECT_EQ(effectiveWindowLanguage("fr", {"de"}), "fr");
    speak("de");
    EXPECT_EQ(window->menuBar()->actions().first()->text(), "&Spiel");
    EXPECT_EQ(child<TFlatButton>("lblNewGame")->text(), "&Neues Spiel starten");
    newGame({{InputMethod::KeyboardAndMouse, "Ann"}});
    startRound();
    type("CATS");
    EXPECT_EQ(status(), "* CATS * bringt 2 Punkte!");
    type("XQZ");
    EXPECT_EQ(status(), "* XQZ * ist nicht im Raster");
    shown_.answers = {MessageAnswer::No};
    action("mnuAbortNoCount")->trigger();
    // Message boxes get the program's Latin-1 bytes.
    EXPECT_EQ(toQt(shown_.messages.back().text), "Möchten Sie diese Runde wirklich abbrechen?");
    EXPECT_EQ(toQt(shown_.messages.back().caption), "Bestätigen");
    runToRoundEnd();

    // Without the windows' translator the engine's texts are English again,
    // as lettrava-tool prints them.
    removeWindowLanguage();
    EXPECT_EQ(verdictMessage(4, "CATS", 3, 18), "* CATS * is good for 4 points!");
}
