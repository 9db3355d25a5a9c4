#include "ui/shell/TSpeedBar.h"

#include "ui/platform/SharedPictures.h"
#include "ui/play/PlayParts.h"
#include "ui/widgets/DrawnIcons.h"

#include <QAction>
#include <QHBoxLayout>
#include <QToolButton>

namespace lettrava {

TSpeedBar::TSpeedBar(QWidget* parent, const Commands& commands) : TAdvancedPanel(parent)
{
    setObjectName(QStringLiteral("pnlSpeedBar"));
    setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::None, 1);
    auto* bar = new QHBoxLayout(this);
    bar->setContentsMargins(8, 3, 8, 3);
    bar->setSpacing(4);
    auto button = [this, bar](QAction* action, DrawnIcon icon, const QString& text, const QString& hint,
                              const char* name) {
        auto* b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setIcon(drawnIcon(icon, 24));
        b->setIconSize(QSize(24, 24));
        b->setText(text);
        b->setToolTip(hint);
        b->setAccessibleName(hint);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::TabFocus);
        b->setEnabled(action->isEnabled());
        connect(b, &QToolButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, b, &QToolButton::setEnabled);
        bar->addWidget(b);
        return b;
    };
    button(commands.save, DrawnIcon::Save, tr("Save"), tr("Save Game"), "btnSave");
    bar->addSpacing(10);
    auto* go = button(commands.start, DrawnIcon::Go, tr("GO"), tr("Start Round"), "btnGo");
    QFont bold = go->font();
    bold.setBold(true);
    go->setFont(bold);
    auto* pause = button(commands.pause, DrawnIcon::Pause, tr("Pause"), tr("Pause"), "btnPause");
    connect(commands.pause, &QAction::changed, pause, [action = commands.pause, pause] {
        pause->setText(QString(action->text()).remove(QLatin1Char('&')));
        pause->setToolTip(action->toolTip());
    });
    clearClicks_ = button(commands.clearClicks, DrawnIcon::ClearClicks, tr("Clear"),
                             tr("Clear Mouse Clicks"), "btnClearClicks");
    bar->addSpacing(10);
    button(commands.abort, DrawnIcon::Abort, tr("Abort"),
                       tr("Abort Round (round will count)"), "btnAbort");
    bar->addStretch(1);
}

void TSpeedBar::applyColours(bool low)
{
    if (low)
        clearWallpaper();
    else
        setWallpaper(SharedPictures::instance().woodA);
    playparts::setTextColour(this, low ? QColor(0, 0, 0) : playparts::kBrownText);
    setStyleSheet(low ? QStringLiteral("QToolButton { font-weight: bold; padding: 2px 6px; }")
                      : QStringLiteral("QToolButton { font-weight: bold; padding: 2px 6px; color: rgb(52, 28, 8); }"
                                       "QToolButton:disabled { color: rgba(52, 28, 8, 120); }"));
}

} // namespace lettrava
