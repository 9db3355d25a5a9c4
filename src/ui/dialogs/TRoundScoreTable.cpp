#include "ui/dialogs/TRoundScoreTable.h"

#include "core/game/Player.h"
#include "ui/platform/GameText.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/WindowParts.h"

#include <QGridLayout>
#include <QLabel>

namespace lettrava {

TRoundScoreTable::TRoundScoreTable(const std::array<Player*, 4>& players, QWidget* parent) : TAdvancedPanel(parent)
{
    setObjectName(QStringLiteral("pnlScores"));
    setWallpaper(SharedPictures::instance().woodB);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    QFont headFont = font();
    headFont.setBold(true);
    auto head = [&](const QString& text, int r, int c, int span = 1) {
        auto* l = new QLabel(text, this);
        l->setTextFormat(Qt::PlainText);
        l->setFont(headFont);
        l->setAlignment(Qt::AlignCenter);
        grid->addWidget(l, r, c, 1, span);
    };
    head(tr("     Round     "), 0, 1, 2);
    head(tr("     Game     "), 0, 3, 2);
    head(tr("Words    Points"), 1, 1, 2);
    head(tr("Words    Points"), 1, 3, 2);
    head(tr("Longest Word"), 1, 7);

    for (int i = 0; i < 4; ++i) {
        const Player* p = players[static_cast<std::size_t>(i)];
        const int r = i + 2;
        auto cell = [&](const QString& text, int c, const QString& name) {
            auto* l = new QLabel(text, this);
            l->setTextFormat(Qt::PlainText);
            l->setObjectName(name + QString::number(i + 1));
            l->setAlignment(c == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
            l->setVisible(p != nullptr);
            grid->addWidget(l, r, c);
            return l;
        };
        if (!p) {
            // Absent players' rows stay hidden (and take no room).
            continue;
        }
        cell(toQt(p->name), 0, QStringLiteral("lblScoreName"));
        cell(QString::number(p->wordsThisRound), 1, QStringLiteral("lblRoundWords"));
        cell(QString::number(p->roundScore), 2, QStringLiteral("lblRoundPoints"));
        cell(QString::number(p->wordsThisGame), 3, QStringLiteral("lblGameWords"));
        cell(QString::number(p->gameScore), 4, QStringLiteral("lblGamePoints"));
        QLabel* b = cell(tr("B"), 5, QStringLiteral("lblBonusMark"));
        b->setToolTip(tr("Player found bonus word this round"));
        b->setVisible(p->bonusFound);
        QLabel* v = cell(tr("V"), 6, QStringLiteral("lblValidMark"));
        v->setToolTip(tr("Player got all valid bonus this round"));
        v->setVisible(p->allValid);
        for (QLabel* mark : {b, v}) {
            QFont f = mark->font();
            f.setBold(true);
            mark->setFont(f);
        }
        auto* longest = new TClickLabel(toQt(p->longestThisGame), this);
        longest->setObjectName(QStringLiteral("lblLongest%1").arg(i + 1));
        longest->setTextFormat(Qt::PlainText);
        QFont f = longest->font();
        f.setBold(p->newLongestThisGame);
        longest->setFont(f);
        longest->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(longest, &TClickLabel::clicked, this, [this, i] { emit longestWordClicked(i); });
        connect(longest, &QWidget::customContextMenuRequested, this,
                [this, longest](const QPoint& pos) { emit popupRequested(longest, longest->mapToGlobal(pos)); });
        grid->addWidget(longest, r, 7);
    }
}

} // namespace lettrava
