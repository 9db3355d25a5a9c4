#pragma once

#include <QProxyStyle>

class QStyleOptionMenuItem;

namespace lettrava {

// The owner-drawn look of every menu and menu bar of the program: captions in
// "Comic Sans MS", on the button-face colour (the highlight colour when
// selected), 8 pixels from the left edge; disabled items embossed; separators
// as an etched line. Install it once for the whole application with
// installMenuStyle(); it wraps the style in use and changes nothing else.
class TMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit TMenuStyle(QStyle* base = nullptr);

    // The menus' font.
    static QFont menuFont();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
};

// The size of one item: the caption's width + 20 pixels by its height + 4
// pixels, measured in the menu font (a shortcut shown beside the caption adds
// its own width and a gap; a separator is 8 pixels high).
QSize measureMenuItem(const QStyleOptionMenuItem& item);

// Draws one item into rect.
void drawMenuItem(QPainter& painter, const QRect& rect, const QStyleOptionMenuItem& item);

// Wraps the application's style in the menu style (once).
void installMenuStyle();

} // namespace lettrava
