#include "UiTestSupport.h"

#include "core/platform/Paths.h"
#include "ui/platform/DesktopSetup.h"
#include "ui/platform/DesktopSwitches.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SoundOutput.h"
#include "ui/platform/QtDialogs.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/widgets/TPictureButton.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace lettrava;
using lettrava::test::UiTest;

namespace {
class ControlsTest : public UiTest {};

QColor centreColour(QWidget& w)
{
    const QImage image = w.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}
} // namespace

TEST_F(ControlsTest, PanelsShowTheirWallpaperOrThePlainLowColourLook)
{
    QPixmap green(8, 8);
    green.fill(QColor(20, 160, 40));
    TAdvancedPanel panel;
    panel.resize(60, 40);
    panel.setColour(QColor(200, 10, 10));
    EXPECT_EQ(centreColour(panel), QColor(200, 10, 10));
    panel.setWallpaper(green, true);
    EXPECT_EQ(centreColour(panel), QColor(20, 160, 40));

    TAdvancedPanel header;
    header.resize(60, 40);
    header.setRole(TAdvancedPanel::Role::Header);
    header.setWallpaper(green, false);
    forceLowColour(true);
    EXPECT_EQ(centreColour(panel), QColor(255, 255, 170));
    EXPECT_EQ(centreColour(header), QColor(0, 0, 128));
    EXPECT_FALSE(panel.showsWallpaper());
    forceLowColour(false);
    EXPECT_EQ(centreColour(header), QColor(20, 160, 40));

    // A raised bevel is light above and dark below.
    panel.setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::None, 2);
    const QImage image = panel.grab().toImage();
    EXPECT_GT(image.pixelColor(30, 0).lightness(), image.pixelColor(30, 39).lightness());
}

TEST_F(ControlsTest, FlashingLabelBlinksAndComesBackWhenStopped)
{
    QWidget window;
    TFlashingLabel label(&window);
    label.setText("0:09");
    window.show();
    EXPECT_EQ(label.flashRate(), 400);
    label.setFlashRate(60);
    QSignalSpy clicks(&label, &TFlashingLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    label.setFlashing(true);
    bool sawHidden = false, sawShown = false;
    for (int i = 0; i < 20 && !(sawHidden && sawShown); ++i) {
        QTest::qWait(40);
        (label.isVisible() ? sawShown : sawHidden) = true;
    }
    EXPECT_TRUE(sawHidden);
    EXPECT_TRUE(sawShown);
    label.setFlashing(false);
    EXPECT_TRUE(label.isVisible());
    EXPECT_FALSE(label.isFlashing());
}

TEST_F(ControlsTest, PictureButtonsShowThePressedPictureWhileHeldDown)
{
    TPictureButton button;
    const auto& pics = SharedPictures::instance();
    EXPECT_EQ(button.currentPicture().toImage(), pics.pushButtons[0].toImage());
    button.setDown(true);
    EXPECT_EQ(button.currentPicture().toImage(), pics.pushButtons[1].toImage());
    button.setDown(false);
    QSignalSpy clicked(&button, &TPictureButton::clicked);
    button.show();
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicked.count(), 1) << "reachable from the keyboard";
}

TEST_F(ControlsTest, SharedPicturesAreAllThere)
{
    const auto& pics = SharedPictures::instance();
    for (const QPixmap& p : {pics.woodA, pics.woodB, pics.defaultWallpaper, pics.lowColourTile, pics.soundReady,
                             pics.soundMissing, pics.soundStop, pics.pushButtons[0], pics.pushButtons[1]})
        EXPECT_FALSE(p.isNull());
    for (const QPixmap& tile : pics.tiles)
        EXPECT_EQ(tile.deviceIndependentSize().toSize(), QSize(32, 31));
    EXPECT_FALSE(pics.face(SharedPictures::Face::GridFactory).isNull());
    EXPECT_FALSE(pics.appIcon.pixmap(48, 48).isNull());
}

TEST_F(ControlsTest, MessageBoxesCarryCaptionTextButtonsAndAnswer)
{
    QtDialogs qt;
    QString title, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_NE(box->button(QMessageBox::Cancel), nullptr);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(qt.showMessage("Do you want to save the game?", "Lettrava", MessageButtons::YesNoCancel,
                             MessageIcon::Warning),
              MessageAnswer::No);
    EXPECT_EQ(title, "Lettrava");
    EXPECT_EQ(text, "Do you want to save the game?");

    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(qt.showMessage("Are you sure?", "Lettrava", MessageButtons::YesNo), MessageAnswer::No);

    qt.setBusy(true);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    qt.setBusy(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The switch for tests: recorded dialogs take the place of the boxes.
    RecordingDialogs recorded;
    installDesktopDialogs(&recorded);
    dialogs().showMessage("hello", "Sorry");
    installDesktopDialogs(&shown_);
    ASSERT_EQ(recorded.messages.size(), 1u);
    EXPECT_EQ(recorded.messages[0].caption, "Sorry");
}

TEST_F(ControlsTest, HelpShowsOurTopicsAndRefusesAnythingElse)
{
    Paths::setProgramFolder(std::filesystem::path(LETTRAVA_SOURCE_DIR) / "data");
    ASSERT_TRUE(helpAvailable());
    for (const char* topic : {"HowToPlay.htm", "::/PlayerInformation.htm", "RoundResults.htm", "Preferences.htm"}) {
        ASSERT_TRUE(showHelpTopic(QString::fromLatin1(topic))) << topic;
        EXPECT_EQ(helpWindow()->currentTopic(), QString::fromLatin1(topic).remove("::/"));
        EXPECT_FALSE(helpWindow()->browser()->toPlainText().isEmpty());
    }
    ASSERT_TRUE(showHelp());
    EXPECT_EQ(helpWindow()->currentTopic(), kDefaultHelpTopic);
    for (const char* bad : {"../README.md", "/etc/passwd", "Missing.htm", "sub/HowToPlay.htm", "", "HowToPlay.txt"})
        EXPECT_FALSE(showHelpTopic(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(helpWindow()->currentTopic(), kDefaultHelpTopic);

    // Every link between the pages leads to a page that exists.
    const QDir help(helpFolder());
    const QRegularExpression link(QStringLiteral("href=\"([^\":#]+\\.htm)"));
    for (const QString& page : help.entryList({"*.htm"})) {
        QFile f(help.filePath(page));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            EXPECT_TRUE(help.exists(target)) << page.toStdString() << " -> " << target.toStdString();
        }
    }
    shutDownHelp();
    EXPECT_EQ(helpWindow(), nullptr);
}

TEST_F(ControlsTest, MissingBoardAndListFontsHaveLookAlikes)
{
    installFontSubstitutes();
    const QStringList families = QFontDatabase::families();
    if (!families.contains("Comic Sans MS") && families.contains("Comic Neue")) {
        EXPECT_EQ(QFontInfo(QFont("Comic Sans MS", 12)).family(), "Comic Neue");
    }
    EXPECT_TRUE(QFontInfo(QFont("Courier", 10)).fixedPitch());
}

TEST_F(ControlsTest, DesktopSwitchesAreTakenOutOfTheArguments)
{
    const auto rest = applyDesktopSwitches({"--no-sound", "game.LTG", "--low-colour"});
    EXPECT_EQ(rest, (std::vector<std::string>{"game.LTG"}));
    EXPECT_TRUE(soundSwitchedOff());
    EXPECT_TRUE(lowColourDisplay());
    EXPECT_NE(dynamic_cast<SilentOutput*>(makeSoundOutput().get()), nullptr);
    setSoundSwitchedOff(false);
}
