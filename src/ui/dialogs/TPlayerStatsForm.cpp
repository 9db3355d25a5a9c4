#include "ui/dialogs/TPlayerStatsForm.h"

#include "core/game/Player.h"
#include "core/views/PlayerStats.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/GameText.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lettrava {

TPlayerStatsForm::TPlayerStatsForm(const Player& player, QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("PlayerStatsForm"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowTitle(toQt(PlayerStats::cardCaption(player.name)));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new TAdvancedPanel(this);
    panel->setObjectName(QStringLiteral("pnlStats"));
    panel->setWallpaper(SharedPictures::instance().woodB);
    outer->addWidget(panel);

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(16, 14, 16, 10);
    grid->setHorizontalSpacing(12);
    const std::pair<const char*, QString> rows[] = {
        {QT_TR_NOOP("Name:"), toQt(player.name)},
        {QT_TR_NOOP("Games Completed:"), QString::number(player.gamesCompleted)},
        {QT_TR_NOOP("Games Won:"), QString::number(player.gamesWon)},
        {QT_TR_NOOP("Longest Word:"), toQt(player.longestWord)},
    };
    int r = 0;
    for (const auto& [caption, text] : rows) {
        auto* c = new QLabel(tr(caption), panel);
        auto* v = new QLabel(text, panel);
        v->setTextFormat(Qt::PlainText);
        v->setObjectName(QStringLiteral("value") + QString(QLatin1String(caption)).remove(QLatin1Char(' ')).remove(QLatin1Char(':')));
        c->setBuddy(v);
        QFont bold = v->font();
        bold.setBold(true);
        v->setFont(bold);
        grid->addWidget(c, r, 0, Qt::AlignRight);
        grid->addWidget(v, r, 1, Qt::AlignLeft);
        ++r;
    }
    auto* ok = new QPushButton(tr("OK"), panel);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, r, 0, 1, 2, Qt::AlignCenter);
    setFixedSize(sizeHint());
}

QString TPlayerStatsForm::value(const QString& caption) const
{
    for (const QLabel* c : findChildren<QLabel*>())
        if (c->text() == caption && c->buddy())
            if (const auto* v = qobject_cast<const QLabel*>(c->buddy()))
                return v->text();
    return {};
}

} // namespace lettrava
