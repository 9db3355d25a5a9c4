#include "ui/widgets/TMenuStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace lettrava {

namespace {

constexpr int kTextLeft = 8;
constexpr int kExtraWidth = 20;
constexpr int kExtraHeight = 4;
constexpr int kShortcutGap = 16;
constexpr int kSeparatorHeight = 8;

// Caption and shortcut as the menu keeps them: "Caption\tCtrl+B".
void splitText(const QString& text, QString& caption, QString& shortcut)
{
    const int tab = text.indexOf(QLatin1Char('\t'));
    caption = tab < 0 ? text : text.left(tab);
    shortcut = tab < 0 ? QString() : text.mid(tab + 1);
}

bool isSeparator(const QStyleOptionMenuItem& item)
{
    return item.menuItemType == QStyleOptionMenuItem::Separator || item.text == QLatin1String("-");
}

} // namespace

QFont TMenuStyle::menuFont()
{
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPointSize(QApplication::font().pointSize() > 0 ? QApplication::font().pointSize() : 9);
    return f;
}

QSize measureMenuItem(const QStyleOptionMenuItem& item)
{
    const QFontMetrics fm(TMenuStyle::menuFont());
    if (isSeparator(item))
        return QSize(kExtraWidth, kSeparatorHeight);
    QString caption, shortcut;
    splitText(item.text, caption, shortcut);
    int width = fm.horizontalAdvance(QString(caption).remove(QLatin1Char('&'))) + kExtraWidth;
    if (!shortcut.isEmpty())
        width += kShortcutGap + fm.horizontalAdvance(shortcut);
    return QSize(width, fm.height() + kExtraHeight);
}

void drawMenuItem(QPainter& p, const QRect& rect, const QStyleOptionMenuItem& item)
{
    const QPalette& pal = item.palette;
    const bool selected = item.state & QStyle::State_Selected;
    const bool enabled = item.state & QStyle::State_Enabled;
    p.save();
    p.fillRect(rect, selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Button));

    if (isSeparator(item)) {
        const int y = rect.top() + rect.height() / 2;
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(rect.left() + 2, y - 1, rect.right() - 2, y - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(rect.left() + 2, y, rect.right() - 2, y);
        p.restore();
        return;
    }

    QString caption, shortcut;
    splitText(item.text, caption, shortcut);
    p.setFont(TMenuStyle::menuFont());
    const QRect textRect = rect.adjusted(kTextLeft, 0, -kTextLeft, 0);
    const int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic | Qt::TextSingleLine;
    auto drawTexts = [&](const QRect& r) {
        p.drawText(r, flags, caption);
        if (!shortcut.isEmpty())
            p.drawText(r, Qt::AlignVCenter | Qt::AlignRight | Qt::TextSingleLine, shortcut);
    };

    QColor text = selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::ButtonText);
    if (!enabled && !selected) {
        // Embossed: the light copy one pixel down and right, the shadow on top.
        p.setPen(pal.color(QPalette::Light));
        drawTexts(textRect.translated(1, 1));
        text = pal.color(QPalette::Dark);
    } else if (!enabled) {
        text = pal.color(QPalette::Highlight) == pal.color(QPalette::Dark) ? pal.color(QPalette::Light)
                                                                             : pal.color(QPalette::Dark);
    }
    p.setPen(text);
    drawTexts(textRect);

    // The marks a caption alone cannot show: a tick for a checked item (in
    // the left margin) and an arrow for a submenu (in the right margin).
    p.setRenderHint(QPainter::Antialiasing);
    if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
        const int cy = rect.top() + rect.height() / 2;
        QPolygonF tick;
        tick << QPointF(rect.left() + 1.5, cy) << QPointF(rect.left() + 3.5, cy + 2.5)
             << QPointF(rect.left() + 7.0, cy - 3.0);
        p.setPen(QPen(text, 1.5));
        p.drawPolyline(tick);
    }
    if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
        const int cy = rect.top() + rect.height() / 2;
        const int x = rect.right() - 6;
        QPolygonF arrow;
        arrow << QPointF(x, cy - 3.5) << QPointF(x + 3.5, cy) << QPointF(x, cy + 3.5);
        p.setPen(Qt::NoPen);
        p.setBrush(text);
        p.drawPolygon(arrow);
    }
    p.restore();
}

TMenuStyle::TMenuStyle(QStyle* base) : QProxyStyle(base) {}

void TMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    if (element == CE_MenuItem || element == CE_MenuBarItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            if (element == CE_MenuBarItem) {
                QStyleOptionMenuItem bar = *item;
                // A menu bar item is selected while hovered or open.
                if (item->state & (State_Sunken | State_Selected))
                    bar.state |= State_Selected;
                else
                    bar.state &= ~State_Selected;
                bar.menuItemType = QStyleOptionMenuItem::Normal;
                drawMenuItem(*painter, option->rect, bar);
            } else {
                drawMenuItem(*painter, option->rect, *item);
            }
            return;
        }
    }
    if (element == CE_MenuEmptyArea || element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, option->palette.color(QPalette::Button));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize TMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const
{
    if (type == CT_MenuItem || type == CT_MenuBarItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem measured = *item;
            if (type == CT_MenuBarItem)
                measured.menuItemType = QStyleOptionMenuItem::Normal;
            return measureMenuItem(measured);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void installMenuStyle()
{
    if (qobject_cast<TMenuStyle*>(QApplication::style()))
        return;
    QApplication::setStyle(new TMenuStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace lettrava
