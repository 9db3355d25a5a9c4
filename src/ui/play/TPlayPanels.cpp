#include "ui/play/TPlayPanels.h"

#include "ui/platform/SharedPictures.h"
#include "ui/play/PlayParts.h"
#include "ui/widgets/DrawnIcons.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/widgets/TUpDown.h"
#include "ui/platform/GameText.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace lettrava {

TPlayPanels::TPlayPanels(QWidget* centre) : QObject(centre), centre_(centre)
{
    buildRoundTimePanel();
    buildInfoPanel();
    buildBonusPanel();
    buildWordEntryPanel();
    buildPausePanel();
}

void TPlayPanels::buildRoundTimePanel()
{
    pnlRoundTime = new TAdvancedPanel(centre_);
    pnlRoundTime->setObjectName(QStringLiteral("pnlRoundTime"));
    auto* layout = new QVBoxLayout(pnlRoundTime);
    layout->setContentsMargins(12, 8, 12, 10);
    layout->setSpacing(4);

    lblRound = new QLabel(tr("Round 1"), pnlRoundTime);
    lblRound->setObjectName(QStringLiteral("lblRound"));
    lblRound->setAlignment(Qt::AlignCenter);
    QFont roundFont(QStringLiteral("Comic Sans MS"), 15);
    roundFont.setBold(true);
    lblRound->setFont(roundFont);
    layout->addWidget(lblRound);

    auto* clockRow = new QHBoxLayout();
    clockRow->setSpacing(8);
    lblTimeLeft = new TFlashingLabel(pnlRoundTime);
    lblTimeLeft->setObjectName(QStringLiteral("lblTimeLeft"));
    lblTimeLeft->setText(QStringLiteral("0:00"));
    lblTimeLeft->setAlignment(Qt::AlignCenter);
    lblTimeLeft->setFlashRate(400);
    QFont clockFont(QStringLiteral("Courier"), 24);
    clockFont.setBold(true);
    clockFont.setStyleHint(QFont::TypeWriter);
    lblTimeLeft->setFont(clockFont);
    lblTimeLeft->setMinimumWidth(QFontMetrics(clockFont).horizontalAdvance(QStringLiteral("ABORTED")) + 16);
    lblTimeLeft->setToolTip(tr("Click to take a minute off the round"));
    lblTimeLeft->setCursor(Qt::PointingHandCursor);
    connect(lblTimeLeft, &TFlashingLabel::clicked, this, &TPlayPanels::clockClicked);
    imgSetRoundTime = new QLabel(pnlRoundTime);
    imgSetRoundTime->setObjectName(QStringLiteral("imgSetRoundTime"));
    imgSetRoundTime->setPixmap(drawnPicture(DrawnIcon::Stopwatch, 30));
    imgSetRoundTime->setCursor(Qt::PointingHandCursor);
    imgSetRoundTime->setToolTip(tr("Set Round Time"));
    imgSetRoundTime->installEventFilter(this);
    QSizePolicy keep = imgSetRoundTime->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    imgSetRoundTime->setSizePolicy(keep);
    imgSetRoundTime->hide();
    clockRow->addStretch(1);
    clockRow->addWidget(lblTimeLeft);
    clockRow->addWidget(imgSetRoundTime);
    clockRow->addStretch(1);
    layout->addLayout(clockRow);
    layout->addSpacing(4);

    auto* scores = new QGridLayout();
    scores->setHorizontalSpacing(10);
    scores->setVerticalSpacing(3);
    QFont nameFont(QStringLiteral("Comic Sans MS"), 12);
    QFont scoreFont(QStringLiteral("Comic Sans MS"), 13);
    scoreFont.setBold(true);
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        lblPlayerName[s] = new QLabel(pnlRoundTime);
        lblPlayerName[s]->setObjectName(QStringLiteral("lblPlayer%1Name").arg(i + 1));
        lblPlayerName[s]->setFont(nameFont);
        lblPlayerScore[s] = new QLabel(QStringLiteral("0"), pnlRoundTime);
        lblPlayerScore[s]->setObjectName(QStringLiteral("lblPlayer%1Score").arg(i + 1));
        lblPlayerScore[s]->setFont(scoreFont);
        lblPlayerScore[s]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblPlayerScore[s]->setProperty("tag", i + 1);
        scores->addWidget(lblPlayerName[s], i, 0);
        scores->addWidget(lblPlayerScore[s], i, 1);
        nameLabels[s].attach(lblPlayerName[s]);
        scoreLabels[s].attach(lblPlayerScore[s]);
        lblPlayerName[s]->hide();
        lblPlayerScore[s]->hide();
    }
    scores->setColumnStretch(0, 1);
    layout->addLayout(scores);
    layout->addStretch(1);
    pnlRoundTime->hide();
}

void TPlayPanels::buildInfoPanel()
{
    pnlInfo = new QWidget(centre_);
    pnlInfo->setObjectName(QStringLiteral("pnlInfo"));
    auto* layout = new QVBoxLayout(pnlInfo);
    layout->setContentsMargins(0, 0, 0, 0);
    pnlGridSize = new TAdvancedPanel(pnlInfo);
    pnlGridSize->setObjectName(QStringLiteral("pnlGridSize"));
    auto* grid = new QGridLayout(pnlGridSize);
    grid->setContentsMargins(12, 6, 12, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    auto* title = new QLabel(tr("Grid Size"), pnlGridSize);
    QFont bold(QStringLiteral("Comic Sans MS"), 12);
    bold.setBold(true);
    title->setFont(bold);
    updDimCol = new TUpDown(3, 12, pnlGridSize);
    updDimCol->setObjectName(QStringLiteral("updDimCol"));
    updDimCol->setAccessibleName(tr("Grid columns"));
    updDimRow = new TUpDown(3, 12, pnlGridSize);
    updDimRow->setObjectName(QStringLiteral("updDimRow"));
    updDimRow->setAccessibleName(tr("Grid rows"));
    auto* cols = new QLabel(tr("Cols"), pnlGridSize);
    cols->setBuddy(updDimCol);
    auto* rows = new QLabel(tr("Rows"), pnlGridSize);
    rows->setBuddy(updDimRow);
    grid->addWidget(title, 0, 0, 1, 5);
    grid->addWidget(cols, 1, 0);
    grid->addWidget(updDimCol, 1, 1);
    grid->addWidget(rows, 1, 3);
    grid->addWidget(updDimRow, 1, 4);
    grid->setColumnStretch(2, 1);
    layout->addWidget(pnlGridSize);
    pnlGridSize->hide();
    pnlInfo->hide();
}

void TPlayPanels::buildBonusPanel()
{
    pnlBonus = new TAdvancedPanel(centre_);
    pnlBonus->setObjectName(QStringLiteral("pnlBonus"));
    auto* layout = new QVBoxLayout(pnlBonus);
    layout->setContentsMargins(12, 6, 12, 8);
    layout->setSpacing(4);
    auto* top = new QHBoxLayout();
    auto* title = new QLabel(tr("Bonus"), pnlBonus);
    QFont bold(QStringLiteral("Comic Sans MS"), 12);
    bold.setBold(true);
    title->setFont(bold);
    lblBonusValue = new QLabel(tr("100 pts"), pnlBonus);
    lblBonusValue->setObjectName(QStringLiteral("lblBonusValue"));
    lblBonusValue->setFont(bold);
    lblBonusValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblBonusValue->clear();
    top->addWidget(title);
    top->addStretch(1);
    top->addWidget(lblBonusValue);
    layout->addLayout(top);
    auto* letters = new QHBoxLayout();
    letters->setSpacing(2);
    QFont letterFont(QStringLiteral("Comic Sans MS"), 11);
    letterFont.setBold(true);
    for (std::size_t i = 0; i < lblBonusLetter.size(); ++i) {
        auto* l = new QLabel(QStringLiteral("_"), pnlBonus);
        l->setObjectName(QStringLiteral("lblBonusLetter%1").arg(i + 1));
        l->setAlignment(Qt::AlignCenter);
        l->setFixedSize(20, 24);
        l->setFont(letterFont);
        QSizePolicy keep = l->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        l->setSizePolicy(keep);
        l->hide();
        letters->addWidget(l);
        lblBonusLetter[i] = l;
    }
    letters->addStretch(1);
    layout->addLayout(letters);
    pnlBonus->hide();
}

void TPlayPanels::buildWordEntryPanel()
{
    pnlWordEntry = new TAdvancedPanel(centre_);
    pnlWordEntry->setObjectName(QStringLiteral("pnlWordEntry"));
    auto* row = new QHBoxLayout(pnlWordEntry);
    row->setContentsMargins(12, 6, 12, 6);
    row->setSpacing(8);
    edtWordEntry = new QLineEdit(pnlWordEntry);
    edtWordEntry->setObjectName(QStringLiteral("edtWordEntry"));
    edtWordEntry->setMaxLength(18);
    edtWordEntry->setAccessibleName(tr("Enter Word"));
    QFont entryFont(QStringLiteral("Comic Sans MS"), 14);
    entryFont.setBold(true);
    edtWordEntry->setFont(entryFont);
    edtWordEntry->setMinimumWidth(QFontMetrics(entryFont).horizontalAdvance(QStringLiteral("MMMMMMMMMMMMM")));
    edtWordEntry->installEventFilter(this);
    connect(edtWordEntry, &QLineEdit::textEdited, this, &TPlayPanels::wordEdited);
    auto* label = new QLabel(tr("Enter Word") + QChar(0x2014) + QChar(0x00BB), pnlWordEntry);
    label->setBuddy(edtWordEntry);
    QFont bold(QStringLiteral("Comic Sans MS"), 12);
    bold.setBold(true);
    label->setFont(bold);
    row->addWidget(label);
    row->addWidget(edtWordEntry);
    pnlWordEntry->hide();
}

void TPlayPanels::buildPausePanel()
{
    pnlPaused = new TAdvancedPanel(centre_);
    pnlPaused->setObjectName(QStringLiteral("pnlPaused"));
    pnlPaused->setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::Lowered, 2);
    auto* layout = new QVBoxLayout(pnlPaused);
    layout->setContentsMargins(22, 18, 22, 18);
    auto* text = new QLabel(tr("The game is paused.  Please press Pause again to continue."), pnlPaused);
    text->setObjectName(QStringLiteral("lblPaused"));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    QFont f(QStringLiteral("Comic Sans MS"), 14);
    f.setBold(true);
    text->setFont(f);
    text->setFixedWidth(280);
    layout->addWidget(text);
    pnlPaused->hide();
}

void TPlayPanels::showBonusHint(const std::string& letters, const std::string& value)
{
    const QString shown = toQt(letters);
    for (std::size_t i = 0; i < lblBonusLetter.size(); ++i) {
        QLabel* l = lblBonusLetter[i];
        if (i < static_cast<std::size_t>(shown.size())) {
            l->setText(shown.mid(static_cast<int>(i), 1));
            l->show();
        } else {
            l->hide();
        }
    }
    // The panel has ten places; a longer word is shown whole in its hint.
    pnlBonus->setToolTip(shown.size() > static_cast<int>(lblBonusLetter.size()) ? shown : QString());
    lblBonusValue->setText(toQt(value));
}

void TPlayPanels::setClockText(const std::string& text) { lblTimeLeft->setText(toQt(text)); }

void TPlayPanels::setClockFlashing(bool flashing) { lblTimeLeft->setFlashing(flashing); }

bool TPlayPanels::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == edtWordEntry && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            emit wordSubmitted();
            return true;
        }
    } else if (watched == imgSetRoundTime && e->type() == QEvent::MouseButtonPress) {
        emit roundTimeClicked(static_cast<QMouseEvent*>(e)->button());
        return true;
    }
    return QObject::eventFilter(watched, e);
}

void TPlayPanels::applyColours(bool low)
{
    // The pause notice is of the word entry's wood, like every panel of play.
    for (TAdvancedPanel* p : {pnlRoundTime, pnlGridSize, pnlBonus, pnlWordEntry, pnlPaused}) {
        if (low)
            p->clearWallpaper();
        else
            p->setWallpaper(SharedPictures::instance().woodB);
        playparts::setTextColour(p, low ? QColor(0, 0, 0) : playparts::kIvoryText);
    }
    lblTimeLeft->setStyleSheet(low ? QStringLiteral("QLabel { color: rgb(128, 0, 0); }")
                                   : QStringLiteral("QLabel { color: rgb(255, 221, 40); background: rgba(0, 0, 0, 120);"
                                                    " border-radius: 8px; padding: 2px 10px; }"));
    const QString letterStyle =
        low ? QStringLiteral("QLabel { color: black; background: white; border: 1px solid gray; }")
            : QStringLiteral("QLabel { color: rgb(52, 28, 8); background: rgb(255, 248, 228);"
                             " border: 1px solid rgba(60, 30, 10, 160); border-radius: 4px; }");
    for (QLabel* l : lblBonusLetter)
        l->setStyleSheet(letterStyle);
}

} // namespace lettrava
