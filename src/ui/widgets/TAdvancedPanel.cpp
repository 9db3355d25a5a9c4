#include "ui/widgets/TAdvancedPanel.h"

#include "ui/platform/LowColour.h"

#include <QPainter>

namespace lettrava {

TAdvancedPanel::TAdvancedPanel(QWidget* parent) : QFrame(parent), colour_(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContentsMargins(bevelWidth_, bevelWidth_, bevelWidth_, bevelWidth_);
}

void TAdvancedPanel::setWallpaper(const QPixmap& picture, bool tiled)
{
    wallpaper_ = picture;
    tiled_ = tiled;
    update();
}

void TAdvancedPanel::clearWallpaper()
{
    wallpaper_ = QPixmap();
    update();
}

void TAdvancedPanel::setTiled(bool tiled)
{
    tiled_ = tiled;
    update();
}

void TAdvancedPanel::setColour(const QColor& colour)
{
    colour_ = colour;
    update();
}

void TAdvancedPanel::setBevels(Bevel outer, Bevel inner, int width)
{
    outer_ = outer;
    inner_ = inner;
    bevelWidth_ = std::max(0, width);
    const int m = (outer_ != Bevel::None ? bevelWidth_ : 0) + (inner_ != Bevel::None ? bevelWidth_ : 0);
    setContentsMargins(m, m, m, m);
    update();
}

void TAdvancedPanel::setRole(Role role)
{
    role_ = role;
    update();
}

bool TAdvancedPanel::showsWallpaper() const { return !lowColourDisplay() && !wallpaper_.isNull(); }

QColor TAdvancedPanel::backgroundColour() const
{
    if (lowColourDisplay())
        return role_ == Role::Header ? lowColourHeader() : lowColourPanel();
    return colour_;
}

void TAdvancedPanel::drawBevel(QPainter& p, QRect& r, Bevel bevel) const
{
    if (bevel == Bevel::None || bevelWidth_ == 0)
        return;
    // Translucent edges, so the bevel looks right over any wallpaper.
    const QColor light = lowColourDisplay() ? QColor(255, 255, 255) : QColor(255, 248, 230, 150);
    const QColor dark = lowColourDisplay() ? QColor(128, 128, 128) : QColor(40, 20, 5, 150);
    const QColor& topLeft = bevel == Bevel::Raised ? light : dark;
    const QColor& bottomRight = bevel == Bevel::Raised ? dark : light;
    for (int i = 0; i < bevelWidth_; ++i) {
        p.setPen(topLeft);
        p.drawLine(r.left(), r.top(), r.right() - 1, r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        p.setPen(bottomRight);
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        r.adjust(1, 1, -1, -1);
    }
}

void TAdvancedPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect all = rect();
    if (showsWallpaper()) {
        if (tiled_)
            p.drawTiledPixmap(all, wallpaper_);
        else
            p.drawPixmap(all, wallpaper_);
    } else {
        p.fillRect(all, backgroundColour());
    }
    QRect r = all;
    drawBevel(p, r, outer_);
    drawBevel(p, r, inner_);
}

} // namespace lettrava
