#include "ui/shell/TWelcomePanel.h"

#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TPictureButton.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace lettrava {

TWelcomePanel::TWelcomePanel(QWidget* parent) : TAdvancedPanel(parent)
{
    setObjectName(QStringLiteral("pnlWelcome"));
    setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::Lowered, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 18);
    layout->setSpacing(14);
    auto* title = new QLabel(tr("Welcome to Lettrava"), this);
    title->setObjectName(QStringLiteral("lblWelcome"));
    title->setAlignment(Qt::AlignCenter);
    QFont big(QStringLiteral("Comic Sans MS"), 22);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);

    struct Entry {
        const char* name;
        const char* caption;
        SharedPictures::Face face;
    };
    const Entry entries[4] = {{"btnNewGame", QT_TR_NOOP("&Start a New Game"), SharedPictures::Face::NewGame},
                              {"btnContinueGame", QT_TR_NOOP("&Continue a Saved Game"), SharedPictures::Face::ContinueGame},
                              {"btnHowToPlay", QT_TR_NOOP("&How to Play"), SharedPictures::Face::HowToPlay},
                              {"btnJoinGame", QT_TR_NOOP("&Join an Internet Game"), SharedPictures::Face::JoinGame}};
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(10);
    QFont captionFont(QStringLiteral("Comic Sans MS"), 12);
    captionFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        const Entry& e = entries[i];
        auto* b = new TPictureButton(this);
        b->setObjectName(QLatin1String(e.name));
        b->setPictureSize(QSize(52, 52));
        b->setFace(SharedPictures::instance().face(e.face));
        const QString plain = tr(e.caption).remove(QLatin1Char('&'));
        b->setAccessibleName(plain);
        b->setToolTip(plain);
        auto* caption = new TFlatButton(tr(e.caption), this);
        caption->setObjectName(QStringLiteral("lbl") + QLatin1String(e.name).mid(3));
        caption->setFont(captionFont);
        caption->setFocusPolicy(Qt::NoFocus);
        connect(caption, &TFlatButton::clicked, b, &TPictureButton::click);
        grid->addWidget(b, i / 2, (i % 2) * 2);
        grid->addWidget(caption, i / 2, (i % 2) * 2 + 1);
        buttons_[static_cast<std::size_t>(i)] = b;
        if (i == 2)
            caption->setShortcut(QKeySequence()); // Alt+H stays the Help menu's
    }
    connect(buttons_[0], &TPictureButton::clicked, this, &TWelcomePanel::newGameClicked);
    connect(buttons_[1], &TPictureButton::clicked, this, &TWelcomePanel::continueGameClicked);
    connect(buttons_[2], &TPictureButton::clicked, this, &TWelcomePanel::howToPlayClicked);
    connect(buttons_[3], &TPictureButton::clicked, this, &TWelcomePanel::joinGameClicked);
    layout->addLayout(grid);
    auto* line = new QLabel(tr("Click a dot or use the Menu to let the fun begin!"), this);
    line->setAlignment(Qt::AlignCenter);
    QFont italic = line->font();
    italic.setItalic(true);
    line->setFont(italic);
    layout->addWidget(line);
}

void TWelcomePanel::showWelcome(bool shown)
{
    setVisible(shown);
    if (!shown)
        return;
    raise();
    buttons_[0]->setFocus();
}

} // namespace lettrava
