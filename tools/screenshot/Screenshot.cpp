// Plays the first seconds of a game in the main window and saves a picture
// of it, for the README. Run it on a display (for example under xvfb-run):
//
//   lettrava-screenshot [--home DIR] [--welcome|--setup|--factory|--results] [--grid N]
//                       [--language CODE] OUTPUT.png [WIDTHxHEIGHT]
//
// It sets up a game of one person against a computer opponent through the
// setup dialog, starts a round, types two words, clicks the letters of a
// third and takes the picture while the round runs. With --welcome it takes
// the picture of the window as it starts, with its welcome panel; with
// --setup the picture of the filled-in setup dialog.

#include "core/game/Game.h"
#include "core/grid/CompSearchThread.h"
#include "core/grid/Grid.h"
#include "core/platform/Clock.h"
#include "core/platform/Paths.h"
#include "core/platform/Random.h"
#include "ui/platform/DesktopSetup.h"
#include "ui/platform/WindowLanguage.h"
#include "ui/platform/DesktopSwitches.h"
#include "ui/platform/QtTime.h"
#include "ui/board/TLetterLabel.h"
#include "ui/factory/TFactoryMode.h"
#include "ui/shell/GameWindows.h"
#include "ui/shell/TMainForm.h"
#include "ui/widgets/TWordListBox.h"
#include "ui/platform/GameText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

#include <QFontInfo>

#include <algorithm>
#include <cstdlib>
#include <iostream>

namespace {

void wait(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void click(QWidget* w, Qt::MouseButton button)
{
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
}

void typeWord(QLineEdit* edit, const QString& word)
{
    for (QChar c : word) {
        QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(edit, &key);
        wait(60);
    }
}

} // namespace

int main(int argc, char** argv)
{
    auto args = lettrava::applyDesktopSwitches(lettrava::Paths::initialise(argc, argv));
    const bool welcomeOnly = !args.empty() && args[0] == "--welcome";
    const bool setupOnly = !args.empty() && args[0] == "--setup";
    const bool factoryOnly = !args.empty() && args[0] == "--factory";
    const bool results = !args.empty() && args[0] == "--results";
    if (welcomeOnly || setupOnly || factoryOnly || results)
        args.erase(args.begin());
    int gridSize = 9;
    if (args.size() >= 2 && args[0] == "--grid") {
        gridSize = std::clamp(std::atoi(args[1].c_str()), 3, 12);
        args.erase(args.begin(), args.begin() + 2);
    }
    QString language = QStringLiteral("en");
    if (args.size() >= 2 && args[0] == "--language") {
        language = QString::fromStdString(args[1]);
        args.erase(args.begin(), args.begin() + 2);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettrava"));
    lettrava::initialiseDesktopApplication(app);
    if (!lettrava::installWindowLanguage(app, language)) {
        std::cerr << "no translation for " << language.toStdString() << '\n';
        return 2;
    }
    if (args.empty()) {
        std::cerr << "usage: lettrava-screenshot [--home DIR] [--welcome|--setup|--factory|--results] [--grid N] "
                     "OUTPUT.png [WIDTHxHEIGHT]\n";
        return 2;
    }
    const QString output = QString::fromStdString(args[0]);
    lettrava::QtClock clock;
    lettrava::QtTimerFactory timers;
    lettrava::setClock(&clock);
    lettrava::setTimers(&timers);

    lettrava::TMainForm window;
    lettrava::installGameWindows(window);
    if (args.size() > 1) {
        const QStringList size = QString::fromStdString(args[1]).split(QLatin1Char('x'));
        if (size.size() == 2)
            window.resize(size[0].toInt(), size[1].toInt());
    }
    window.show();
    wait(400);
    auto grab = [&window, &output](QWidget* shown = nullptr) {
        QWidget& w = shown ? *shown : static_cast<QWidget&>(window);
        QScreen* screen = w.screen();
        const QRect frame = w.frameGeometry();
        const QPixmap shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        if (!shot.save(output)) {
            std::cerr << "cannot write " << output.toStdString() << "\n";
            return false;
        }
        std::cout << "wrote " << output.toStdString() << "\n";
        return true;
    };
    if (welcomeOnly)
        return grab() ? 0 : 1;
    lettrava::Random::instance().seed(7);
    if (factoryOnly) {
        // The grid designer with a random 6 x 6 grid, solved, one word shown.
        window.findChild<QSpinBox*>(QStringLiteral("updDimCol"))->setValue(6);
        window.findChild<QSpinBox*>(QStringLiteral("updDimRow"))->setValue(6);
        window.mnuGridFactoryClick();
        lettrava::TFactoryMode* factory = window.factory();
        // A grid bred from a few words, then solved.
        factory->showWordList();
        lettrava::TFactoryWordListForm* list = factory->wordList();
        list->setWords({"GRID", "FACTORY", "WORDS", "TILES", "GAME"});
        list->generateGrid();
        QElapsedTimer breeding;
        breeding.start();
        while (list->running() && breeding.elapsed() < 20000)
            wait(50);
        list->stopRun();
        list->hide();
        factory->solve();
        factory->setSortOrder(3);
        if (factory->solutionList()->count() > 0) {
            factory->solutionList()->setCurrentRow(0);
            factory->showWordPath(factory->solutionList()->words().front().text);
        }
        wait(400);
        return grab() ? 0 : 1;
    }

    bool setupSaved = false;
    // The setup dialog, once it is up; a window of the first start (the tips)
    // that comes before it is closed.
    auto* poll = new QTimer(&window);
    poll->setInterval(200);
    QObject::connect(poll, &QTimer::timeout, [poll, setupOnly, &output, &setupSaved] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        if (!dialog->findChild<QSpinBox*>(QStringLiteral("updNumPlayers"))) {
            dialog->reject();
            return;
        }
        poll->stop();
        dialog->findChild<QSpinBox*>(QStringLiteral("updNumPlayers"))->setValue(2);
        dialog->findChild<QComboBox*>(QStringLiteral("cmbPlayer1Input"))->setCurrentIndex(0);
        dialog->findChild<QComboBox*>(QStringLiteral("cmbPlayer1Name"))->setEditText(QStringLiteral("Annie"));
        dialog->findChild<QComboBox*>(QStringLiteral("cmbPlayer2Input"))->setCurrentIndex(3);
        dialog->findChild<QComboBox*>(QStringLiteral("cmbPlayer2Name"))->setCurrentText(QStringLiteral("Ken Boogy"));
        dialog->findChild<QComboBox*>(QStringLiteral("cmbGridSizeOrder"))->setCurrentIndex(2);
        dialog->findChild<QComboBox*>(QStringLiteral("cmbRoundDuration"))->setCurrentIndex(1);
        dialog->findChild<QLineEdit*>(QStringLiteral("edtRoundDurationMinutes"))->setText(QStringLiteral("3"));
        dialog->findChild<QLineEdit*>(QStringLiteral("edtRoundDurationSeconds"))->setText(QStringLiteral("00"));
        wait(300);
        if (setupOnly) {
            setupSaved = dialog->grab().save(output);
            dialog->reject();
            return;
        }
        QMetaObject::invokeMethod(dialog, "tryAccept");
    });
    poll->start();
    window.mnuGameNewClick();
    if (setupOnly) {
        std::cout << (setupSaved ? "wrote " : "cannot write ") << output.toStdString() << "\n";
        return setupSaved ? 0 : 1;
    }
    lettrava::Game* game = window.game();
    if (!game) {
        std::cerr << "no game was set up\n";
        return 1;
    }
    window.findChild<QSpinBox*>(QStringLiteral("updDimCol"))->setValue(gridSize);
    window.findChild<QSpinBox*>(QStringLiteral("updDimRow"))->setValue(gridSize);
    window.actRoundStartExecute();
    if (std::getenv("LETTRAVA_SHOT_DEBUG"))
        std::cerr << "letter font: " << QFontInfo(window.letterAt(0, 0)->font()).family().toStdString() << "\n";
    game->round()->solver()->waitFor();
    wait(3500);

    // Two typed words and one clicked, from the grid's own solution.
    const std::vector<std::string> found = game->round()->solver()->foundWords();
    std::vector<std::string> picks;
    for (const std::string& w : found)
        if (w.size() >= 4 && picks.size() < 3)
            picks.push_back(w);
    auto* edit = window.findChild<QLineEdit*>(QStringLiteral("edtWordEntry"));
    for (std::size_t i = 0; i + 1 < picks.size(); ++i) {
        typeWord(edit, lettrava::toQt(picks[i]).toLower());
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &enter);
        wait(700);
    }
    if (!picks.empty()) {
        lettrava::PathTable path{};
        if (game->round()->grid().tracePath(picks.back(), path))
            for (const auto& cell : path) {
                if (cell.x < 0)
                    break;
                click(window.letterAt(cell.x, cell.y), Qt::LeftButton);
                wait(250);
            }
    }
    wait(2500);
    if (results) {
        // The results window, once it is up, with the first word of the
        // player's list picked.
        bool saved = false;
        auto* shoot = new QTimer(&window);
        shoot->setInterval(200);
        QObject::connect(shoot, &QTimer::timeout, [shoot, &grab, &saved] {
            auto* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!shown || !shown->isVisible() || !shown->findChild<QWidget*>(QStringLiteral("lbxSolution")))
                return;
            shoot->stop();
            if (auto* list = shown->findChild<lettrava::TWordListBox*>(QStringLiteral("lbxPlayer1"));
                list && list->count() > 0) {
                const QRect row = list->visualItemRect(list->item(0));
                QMouseEvent press(QEvent::MouseButtonPress, row.center(), list->viewport()->mapToGlobal(row.center()),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                QMouseEvent release(QEvent::MouseButtonRelease, row.center(),
                                    list->viewport()->mapToGlobal(row.center()), Qt::LeftButton, Qt::NoButton,
                                    Qt::NoModifier);
                QCoreApplication::sendEvent(list->viewport(), &press);
                QCoreApplication::sendEvent(list->viewport(), &release);
            }
            wait(600);
            saved = grab(shown);
            shown->accept();
        });
        shoot->start();
        game->requestRoundEnd(true); // a round that counts has results
        QElapsedTimer waiting;
        waiting.start();
        while (shoot->isActive() && waiting.elapsed() < 20000)
            wait(100);
        lettrava::setTimers(nullptr);
        lettrava::setClock(nullptr);
        return saved ? 0 : 1;
    }
    if (!grab())
        return 1;
    game->requestRoundEnd(false);
    wait(1500);
    lettrava::setTimers(nullptr);
    lettrava::setClock(nullptr);
    return 0;
}
