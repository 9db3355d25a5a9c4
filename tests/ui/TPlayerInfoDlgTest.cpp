#include "UiTestSupport.h"

#include "core/game/Player.h"
#include "core/grid/GridOptions.h"
#include "core/players/PlayerFileManager.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/Settings.h"
#include "ui/widgets/TGridFileList.h"
#include "ui/widgets/TPictureButton.h"
#include "ui/dialogs/TPlayerInfoDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

using namespace lettrava;
using lettrava::test::UiTest;

namespace {

class SetupDialogTest : public UiTest {
protected:
    SetupDialogTest() { PlayerFileManager::useFile(dir_ / "LTPlayers.dat"); }
    ~SetupDialogTest() override
    {
        setFileChooserForTests(nullptr);
        PlayerFileManager::resetInstance();
    }

    // People the player store already knows, and one computer opponent.
    void knownPlayers(const std::vector<std::string>& names)
    {
        for (const auto& n : names)
            PlayerFileManager::instance().registerForGame(nullptr, InputMethod::KeyboardOnly, n, 0, nullptr);
        PlayerFileManager::instance().registerForGame(nullptr, InputMethod::Computer, "Tuff Nuf", 5, nullptr);
    }

    std::unique_ptr<TPlayerInfoDlg> open(TPlayerInfoDlg::Purpose purpose = TPlayerInfoDlg::Purpose::NewGame,
                                         const GameSetup& current = {}, bool network = false)
    {
        return std::make_unique<TPlayerInfoDlg>(purpose, current, network);
    }

    template <class T>
    static T* child(QWidget& w, const QString& name)
    {
        T* c = w.findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static QComboBox* input(QWidget& d, int slot) { return child<QComboBox>(d, QStringLiteral("cmbPlayer%1Input").arg(slot)); }
    static QComboBox* name(QWidget& d, int slot) { return child<QComboBox>(d, QStringLiteral("cmbPlayer%1Name").arg(slot)); }
    static QSpinBox* players(QWidget& d) { return child<QSpinBox>(d, QStringLiteral("updNumPlayers")); }

    // Types a name into a slot and leaves the box, as the user does.
    static void typeName(QWidget& d, int slot, const QString& text)
    {
        QComboBox* box = name(d, slot);
        box->setEditText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box->lineEdit(), &out);
    }

    std::string lastMessage() const { return shown_.messages.empty() ? std::string() : shown_.messages.back().text; }
    std::string lastTitle() const { return shown_.messages.empty() ? std::string() : shown_.messages.back().caption; }
};

} // namespace

TEST_F(SetupDialogTest, FirstStartOffersOnePersonAgainstPushover)
{
    knownPlayers({"Zed", "Amy"});
    auto d = open();
    EXPECT_EQ(d->windowTitle(), "Enter Player Information");
    EXPECT_EQ(players(*d)->value(), 2);
    EXPECT_EQ(input(*d, 1)->currentText(), "Keyboard and Mouse");
    EXPECT_EQ(name(*d, 1)->currentText(), "Amy") << "the first known person, in sorted order";
    EXPECT_EQ(name(*d, 1)->count(), 2) << "only people, no computer opponents";
    EXPECT_EQ(input(*d, 2)->currentText(), "Computer Player");
    EXPECT_EQ(name(*d, 2)->currentText(), "Pushover");
    EXPECT_FALSE(name(*d, 2)->isEditable());
    EXPECT_TRUE(name(*d, 3)->isHidden());
    EXPECT_EQ(child<QSpinBox>(*d, "updRoundsPerGame")->value(), 10);
    EXPECT_EQ(child<QSpinBox>(*d, "updMinimumWordLength")->value(), 3);
    EXPECT_EQ(child<QSpinBox>(*d, "updMaximumWordLength")->value(), 18);
    EXPECT_EQ(child<QSpinBox>(*d, "updGridPorosity")->value(), 0);
    EXPECT_TRUE(child<QCheckBox>(*d, "chkBonusWordEnabled")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(*d, "chkAllowLetterReuse")->isChecked());
    EXPECT_EQ(child<QComboBox>(*d, "cmbRoundDuration")->currentIndex(), 0);
    auto* minutes = child<QLineEdit>(*d, "edtRoundDurationMinutes");
    auto* seconds = child<QLineEdit>(*d, "edtRoundDurationSeconds");
    EXPECT_EQ(minutes->text() + ":" + seconds->text(), "2:00");
    EXPECT_FALSE(minutes->isEnabled());
    child<QComboBox>(*d, "cmbRoundDuration")->setCurrentIndex(1);
    EXPECT_TRUE(minutes->isEnabled());
    EXPECT_EQ(child<QLineEdit>(*d, "edtPort")->text(), "9789");
    EXPECT_EQ(child<QLineEdit>(*d, "edtEmail")->text(), "undisclosed");
    EXPECT_FALSE(d->findChild<QLabel*>("lblHostProgram")->isVisibleTo(d.get()));
    EXPECT_EQ(d->setup().players[1].computerLevel, 7);

    // The number fields take typed digits, kept within their ranges.
    QSpinBox* rounds = child<QSpinBox>(*d, "updRoundsPerGame");
    rounds->selectAll();
    QTest::keyClicks(rounds, "20");
    EXPECT_EQ(rounds->value(), 20);
    rounds->selectAll();
    QTest::keyClicks(rounds, "99");
    rounds->interpretText();
    EXPECT_EQ(rounds->value(), 9) << "the digit beyond the range is refused";
    players(*d)->selectAll();
    QTest::keyClicks(players(*d), "3");
    EXPECT_TRUE(name(*d, 3)->isVisibleTo(d.get())) << "a typed count shows its rows";
}

TEST_F(SetupDialogTest, ConflictingInputMethodsAreMarkedAndBlockTheGame)
{
    auto d = open();
    typeName(*d, 1, "Ann");
    input(*d, 1)->setCurrentIndex(InputMethod::KeyboardOnly);
    input(*d, 2)->setCurrentIndex(InputMethod::KeyboardAndMouse);
    typeName(*d, 2, "Bob");
    EXPECT_EQ(d->conflictMarks(), (std::array<bool, 4>{true, false, false, false}));
    EXPECT_TRUE(input(*d, 1)->styleSheet().contains("color")) << "a marked input list turns red";
    d->tryAccept();
    EXPECT_EQ(lastMessage(), "Player 1 is using the Keyboard, which has been designated for use by another player "
                             "also.\n\nPlease correct the input methods.");
    EXPECT_EQ(lastTitle(), "Error");
    EXPECT_NE(d->result(), QDialog::Accepted);

    input(*d, 1)->setCurrentIndex(InputMethod::MouseOnly);
    input(*d, 2)->setCurrentIndex(InputMethod::KeyboardOnly);
    EXPECT_EQ(d->conflictMarks(), (std::array<bool, 4>{}));
    EXPECT_TRUE(input(*d, 1)->styleSheet().isEmpty());

    // Players 2 and 3 both type; with two players only, nothing is marked.
    players(*d)->setValue(3);
    input(*d, 3)->setCurrentIndex(InputMethod::KeyboardAndMouse);
    EXPECT_EQ(d->conflictMarks(), (std::array<bool, 4>{true, true, false, false}));
    players(*d)->setValue(2);
    EXPECT_EQ(d->conflictMarks(), (std::array<bool, 4>{}));
    EXPECT_TRUE(input(*d, 3)->isHidden());
}

TEST_F(SetupDialogTest, ComputerNamesAreReservedAndNamesAreUnique)
{
    auto d = open();
    input(*d, 1)->setCurrentIndex(InputMethod::KeyboardOnly);
    for (const char* refused : {"Ken", "Dans", "s"}) {
        typeName(*d, 1, refused);
        EXPECT_EQ(lastMessage(), std::string("The name \"") + refused
                                     + "\" is reserved for a computer player. Please enter a different name.");
        EXPECT_EQ(lastTitle(), "Sorry");
        EXPECT_EQ(name(*d, 1)->currentText(), "") << refused;
    }
    const std::size_t before = shown_.messages.size();
    typeName(*d, 1, "ken");
    EXPECT_EQ(shown_.messages.size(), before) << "letter case counts";
    EXPECT_EQ(name(*d, 1)->currentText(), "ken");

    input(*d, 2)->setCurrentIndex(InputMethod::MouseOnly);
    EXPECT_TRUE(name(*d, 2)->isEditable()) << "a person's name box again";
    typeName(*d, 2, "ken");
    EXPECT_EQ(lastMessage(), "That person is already in the game.  Please enter another.");
    EXPECT_EQ(lastTitle(), "Error");
    EXPECT_EQ(name(*d, 2)->currentText(), "");

    name(*d, 2)->setEditText("");
    d->tryAccept();
    EXPECT_EQ(lastMessage(), "Please enter or select a name for Player 2");
    EXPECT_EQ(lastTitle(), "Player Name Required");
    EXPECT_EQ(d->result(), 0);
    EXPECT_TRUE(name(*d, 1)->lineEdit()->maxLength() == 10);
}

TEST_F(SetupDialogTest, ComputerSlotsTakeTheirDefaultNameUnlessItIsTaken)
{
    auto d = open();
    typeName(*d, 1, "Ann");
    ASSERT_EQ(name(*d, 2)->currentText(), "Pushover");
    players(*d)->setValue(3);
    // Slot 3 is a computer too and restored with "Pushover": the same name twice.
    EXPECT_EQ(name(*d, 3)->currentText(), "Pushover");
    d->tryAccept();
    EXPECT_EQ(lastMessage(), "Player 'Pushover' is listed more than once.\n\nPlease make all player names unique.");
    EXPECT_EQ(lastTitle(), "Duplicate Player Names");

    // Choosing "Computer Player" again picks the slot's default, moving on
    // past a name that is already taken.
    input(*d, 3)->setCurrentIndex(InputMethod::MouseOnly);
    input(*d, 3)->setCurrentIndex(InputMethod::Computer);
    EXPECT_EQ(name(*d, 3)->currentText(), "Kent Dans");
    input(*d, 2)->setCurrentIndex(InputMethod::MouseOnly);
    input(*d, 2)->setCurrentIndex(InputMethod::Computer);
    EXPECT_EQ(name(*d, 2)->currentText(), "Patsy");
    EXPECT_EQ(name(*d, 2)->count(), 8);
    const GameSetup s = d->setup();
    EXPECT_EQ(s.players[1].computerLevel, 8);
    EXPECT_EQ(s.players[2].computerLevel, 6);
    d->tryAccept();
    EXPECT_EQ(d->result(), QDialog::Accepted);
}

TEST_F(SetupDialogTest, AcceptingStoresEveryChoiceUnderItsName)
{
    auto d = open();
    typeName(*d, 1, "Ann");
    players(*d)->setValue(3);
    input(*d, 3)->setCurrentIndex(InputMethod::Computer);
    name(*d, 3)->setCurrentText("Deep Words");
    child<QComboBox>(*d, "cmbGridSizeOrder")->setCurrentIndex(1);
    child<QComboBox>(*d, "cmbRoundDuration")->setCurrentIndex(1);
    child<QLineEdit>(*d, "edtRoundDurationMinutes")->setText("x");
    child<QLineEdit>(*d, "edtRoundDurationSeconds")->setText("7");
    child<QCheckBox>(*d, "chkBonusWordEnabled")->setChecked(false);
    child<QSpinBox>(*d, "updMinimumWordLength")->setValue(4);
    child<QSpinBox>(*d, "updMaximumWordLength")->setValue(9);
    child<QSpinBox>(*d, "updRoundsPerGame")->setValue(3);
    child<QSpinBox>(*d, "updGridPorosity")->setValue(25);
    child<QLineEdit>(*d, "edtMessage")->setText("hello");
    d->tryAccept();
    ASSERT_EQ(d->result(), QDialog::Accepted) << lastMessage();

    const auto v = stored();
    EXPECT_EQ(v.at("Player1InputMethod").toInt(), 0);
    EXPECT_EQ(v.at("Player1InputMethod").typeId(), QMetaType::Int);
    EXPECT_EQ(v.at("Player1Name").toString(), "Ann");
    EXPECT_EQ(v.at("Player2Name").toString(), "Pushover");
    EXPECT_EQ(v.at("Player3InputMethod").toInt(), 3);
    EXPECT_EQ(v.at("Player3Name").toString(), "Deep Words");
    EXPECT_EQ(v.count("Player4InputMethod"), 1u) << "all four slots are written";
    EXPECT_EQ(v.at("NumPlayers").toInt(), 3);
    EXPECT_EQ(v.at("GridSizeOrder").toInt(), 1);
    EXPECT_EQ(v.at("RoundDuration").toInt(), 1);
    EXPECT_EQ(v.at("RoundDurationMin").toInt(), 2) << "not a number: 2";
    EXPECT_EQ(v.at("RoundDurationSec").toInt(), 7);
    EXPECT_EQ(v.at("BonusEnabled").toString(), "0");
    EXPECT_EQ(v.at("BonusEnabled").typeId(), QMetaType::QString);
    EXPECT_EQ(v.at("LetterReuse").toString(), "1");
    EXPECT_EQ(v.at("Network").toString(), "0");
    EXPECT_EQ(v.at("Port").toString(), "9789");
    EXPECT_EQ(v.at("MinimumWL").toInt(), 4);
    EXPECT_EQ(v.at("MaximumWL").toInt(), 9);
    EXPECT_EQ(v.at("RoundsPG").toInt(), 3);
    EXPECT_EQ(v.at("GridPorosity").toInt(), 25);
    EXPECT_EQ(v.at("Email").toString(), "undisclosed");
    EXPECT_EQ(v.at("Message").toString(), "hello");

    // The next new game starts from them.
    auto again = open();
    EXPECT_EQ(name(*again, 1)->currentText(), "Ann");
    EXPECT_EQ(players(*again)->value(), 3);
    EXPECT_EQ(name(*again, 3)->currentText(), "Deep Words");
    EXPECT_EQ(child<QLineEdit>(*again, "edtRoundDurationMinutes")->text(), "2");
    EXPECT_EQ(child<QLineEdit>(*again, "edtRoundDurationSeconds")->text(), "07");
    EXPECT_FALSE(child<QCheckBox>(*again, "chkBonusWordEnabled")->isChecked());
    EXPECT_EQ(child<QSpinBox>(*again, "updGridPorosity")->value(), 25);
}

TEST_F(SetupDialogTest, CancellingStoresNothingAndTheLongestWordFollowsTheShortest)
{
    auto d = open();
    child<QSpinBox>(*d, "updMinimumWordLength")->setValue(10);
    child<QSpinBox>(*d, "updMaximumWordLength")->setValue(5);
    EXPECT_EQ(child<QSpinBox>(*d, "updMaximumWordLength")->value(), 10);
    d->reject();
    EXPECT_TRUE(stored().empty());
}

TEST_F(SetupDialogTest, ListeningForNetworkPlayersKeepsOneLocalPerson)
{
    auto d = open(TPlayerInfoDlg::Purpose::NewGame, {}, true);
    typeName(*d, 1, "Ann");
    input(*d, 1)->setCurrentIndex(InputMethod::KeyboardOnly);
    input(*d, 2)->setCurrentIndex(InputMethod::MouseOnly);
    typeName(*d, 2, "Bob");
    auto* listen = child<QCheckBox>(*d, "chkWaitForNetworkPlayers");
    EXPECT_TRUE(child<QLineEdit>(*d, "edtPort")->isHidden());
    listen->setChecked(true);
    EXPECT_FALSE(child<QLineEdit>(*d, "edtPort")->isHidden());
    EXPECT_EQ(input(*d, 2)->currentIndex(), InputMethod::MouseOnly) << "checking alone changes no slot";
    d->tryAccept();
    EXPECT_EQ(lastMessage(), "Only one (local) human player is allowed in a network game.  Please uncheck \" Listen "
                             "for network players\" box or remove 1 human player(s)");
    EXPECT_EQ(lastTitle(), "Error");

    input(*d, 1)->setCurrentIndex(InputMethod::MouseOnly);
    EXPECT_EQ(lastMessage(), "Input method cannot be changed when \"Wait for network players\" is checked.  Keyboard "
                             "and mouse method reserved for host.");
    EXPECT_EQ(input(*d, 1)->currentIndex(), InputMethod::KeyboardAndMouse);

    players(*d)->setValue(3);
    EXPECT_EQ(input(*d, 2)->currentIndex(), InputMethod::Computer);
    EXPECT_EQ(input(*d, 3)->currentIndex(), InputMethod::Computer);
    EXPECT_EQ(d->conflictMarks(), (std::array<bool, 4>{}));
    EXPECT_NE(name(*d, 2)->currentText(), name(*d, 3)->currentText());
    d->tryAccept();
    EXPECT_EQ(d->result(), QDialog::Accepted) << lastMessage();
    EXPECT_TRUE(d->setup().listenForNetworkPlayers);
}

TEST_F(SetupDialogTest, GridFilesGoToTheFreeEntriesFromTheSelectedOne)
{
    test::writeFile(dir_ / "a.grd", "ROWS=3\r\nCOLS=3\r\n>CAT\r\n>ACT\r\n>TAC\r\n");
    test::writeFile(dir_ / "b.grd", "ROWS=4\r\nCOLS=4\r\n>STOP\r\n>POTS\r\n>TOPS\r\n>OPTS\r\n");
    test::writeFile(dir_ / "empty.grd", "# nothing here\r\n");
    const QString a = folder() + "/a.grd", b = folder() + "/b.grd", empty = folder() + "/empty.grd";
    QString answer;
    QString askedTitle;
    setFileChooserForTests([&](const QString& title, const QString&, const QString&) {
        askedTitle = title;
        return answer;
    });
    const GridOptions before = gridOptions();

    auto d = open();
    child<QSpinBox>(*d, "updRoundsPerGame")->setValue(5);
    child<QComboBox>(*d, "cmbGridSizeOrder")->setCurrentIndex(3);
    auto* list = child<TGridFileList>(*d, "lbxGridFiles");
    EXPECT_FALSE(list->parentWidget()->isHidden());
    ASSERT_EQ(list->count(), 5);
    list->setCurrentRow(2);
    answer = a + "\n" + b;
    child<TPictureButton>(*d, "btnAddGridFile")->click();
    EXPECT_EQ(askedTitle, "Select Grid File");
    EXPECT_EQ(list->entries(), (QStringList{"", "", a, b, ""}));
    EXPECT_EQ(list->item(0)->text(), "Round  1: [randomly generated grid]");
    EXPECT_EQ(list->item(2)->text(), "Round  3: " + a);
    EXPECT_EQ(gridOptions(), before) << "looking at a grid file changes no game option";

    // A file without letters is scheduled only when the user insists.
    shown_.answers = {MessageAnswer::No};
    answer = empty;
    child<TPictureButton>(*d, "btnAddGridFile")->click();
    EXPECT_EQ(lastMessage(), "The file " + empty.toStdString()
                                 + " results in an empty grid (perhaps it is not really a grid file?).  Are you sure "
                                   "you want to schedule it for use in the game?");
    EXPECT_EQ(list->entry(4), "");

    // Dragging exchanges entries; Delete empties one.
    list->exchange(2, 0);
    EXPECT_EQ(list->entries(), (QStringList{a, "", "", b, ""}));
    EXPECT_EQ(list->currentRow(), 0);
    list->setCurrentRow(3);
    QTest::mouseClick(child<TPictureButton>(*d, "btnDeleteGridFile"), Qt::LeftButton);
    EXPECT_EQ(list->entries(), (QStringList{a, "", "", "", ""}));

    typeName(*d, 1, "Ann");
    d->tryAccept();
    ASSERT_EQ(d->result(), QDialog::Accepted) << lastMessage();
    EXPECT_EQ(d->setup().gridFiles, (std::vector<std::string>{a.toStdString(), "", "", "", ""}));
    child<QComboBox>(*d, "cmbGridSizeOrder")->setCurrentIndex(0);
    EXPECT_TRUE(list->parentWidget()->isHidden());
}

TEST_F(SetupDialogTest, GameOptionsFixThePlayersAndKeepTheRest)
{
    GameSetup current;
    current.playerCount = 2;
    current.players[0] = {InputMethod::KeyboardOnly, "Ann", 0};
    current.players[1] = {InputMethod::Computer, "Ken Boogy", 4};
    current.roundsPerGame = 7;
    current.gridSizeOrder = 2;
    current.automaticDuration = false;
    current.minutesText = "1";
    current.secondsText = "5";
    current.minWordLength = 4;
    auto d = open(TPlayerInfoDlg::Purpose::GameOptions, current);
    EXPECT_FALSE(input(*d, 1)->isEnabled());
    EXPECT_FALSE(name(*d, 2)->isEnabled());
    EXPECT_EQ(name(*d, 2)->currentText(), "Ken Boogy");
    EXPECT_FALSE(players(*d)->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(*d, "updRoundsPerGame")->isEnabled());
    EXPECT_FALSE(child<QComboBox>(*d, "cmbGridSizeOrder")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(*d, "edtRoundDurationSeconds")->text(), "05");
    EXPECT_TRUE(child<QLineEdit>(*d, "edtRoundDurationSeconds")->isEnabled());
    EXPECT_EQ(d->findChild<TFlatButton*>("lblAccept")->text(), "&Save");

    child<QCheckBox>(*d, "chkAllowLetterReuse")->setChecked(false);
    d->tryAccept();
    ASSERT_EQ(d->result(), QDialog::Accepted);
    const GameSetup s = d->setup();
    EXPECT_FALSE(s.allowLetterReuse);
    EXPECT_EQ(s.players[1].name, "Ken Boogy");
    EXPECT_EQ(s.roundsPerGame, 7);
    EXPECT_EQ(s.minWordLength, 4);
    EXPECT_EQ(stored().at("Player1Name").toString(), "Ann");
}

TEST_F(SetupDialogTest, GameOptionsShowOnlyTheGamesSlotsAndKeepTheStoredChoicesOfTheOthers)
{
    // What the last new game stored for four slots.
    {
        auto first = open();
        typeName(*first, 1, "Ann");
        first->tryAccept();
        ASSERT_EQ(first->result(), QDialog::Accepted) << lastMessage();
    }
    const auto before = stored();
    ASSERT_EQ(before.at("Player3InputMethod").toInt(), InputMethod::Computer);

    GameSetup current;
    current.playerCount = 2;
    current.players[0] = {InputMethod::KeyboardOnly, "Ann", 0};
    current.players[1] = {InputMethod::Computer, "Ken Boogy", 4};
    current.portText = "0"; // a local game has no port
    auto d = open(TPlayerInfoDlg::Purpose::GameOptions, current);
    d->show();
    EXPECT_TRUE(input(*d, 2)->isVisible());
    EXPECT_FALSE(input(*d, 3)->isVisible()) << "the count was already 2: the slots must still follow it";
    EXPECT_FALSE(name(*d, 4)->isVisible());
    d->tryAccept();
    ASSERT_EQ(d->result(), QDialog::Accepted);
    const auto after = stored();
    EXPECT_EQ(after.at("Player3InputMethod"), before.at("Player3InputMethod"));
    EXPECT_EQ(after.at("Player3Name"), before.at("Player3Name"));
    EXPECT_EQ(after.at("Player4InputMethod"), before.at("Player4InputMethod"));
    EXPECT_EQ(after.at("Port"), before.at("Port")) << "no port the user did not choose";
    EXPECT_EQ(after.at("Player1Name").toString(), "Ann");

    // The client's read-only view has the same slots.
    GameSetup host = current;
    host.showPlayerKinds = true;
    host.playerKinds = {0, 1, 0, 0};
    auto view = open(TPlayerInfoDlg::Purpose::ReadOnly, host);
    view->show();
    EXPECT_FALSE(input(*view, 3)->isVisible());
    EXPECT_TRUE(input(*view, 2)->isVisible());
}

TEST_F(SetupDialogTest, TheClientsViewCannotBeAccepted)
{
    GameSetup host;
    host.playerCount = 2;
    host.players[0].name = "Hostess";
    host.players[1].name = "Guest";
    host.showPlayerKinds = true;
    host.playerKinds = {0, 1, 0, 0};
    host.listenForNetworkPlayers = true;
    host.hostVersion = " 1.0";
    auto d = open(TPlayerInfoDlg::Purpose::ReadOnly, host);
    EXPECT_EQ(input(*d, 1)->currentText(), "Host");
    EXPECT_EQ(input(*d, 2)->currentText(), "Remote");
    EXPECT_EQ(d->findChild<QLabel*>("lblHostProgram")->text(), " 1.0");
    EXPECT_TRUE(d->findChild<QLabel*>("lblHostProgram")->isVisibleTo(d.get()));
    EXPECT_TRUE(child<TPictureButton>(*d, "btnAccept")->isHidden());
    EXPECT_TRUE(child<QLineEdit>(*d, "edtPort")->isHidden());
    EXPECT_FALSE(child<QCheckBox>(*d, "chkBonusWordEnabled")->isEnabled());
    EXPECT_TRUE(child<TPictureButton>(*d, "btnCancel")->isEnabled());
    QTest::keyClick(d.get(), Qt::Key_Return);
    d->tryAccept();
    EXPECT_NE(d->result(), QDialog::Accepted);
    EXPECT_TRUE(stored().empty());
}
