#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>

namespace lettrava {

// A panel with bevels and an optional wallpaper, tiled or stretched.
//
// On a display of 256 colours or fewer (lowColourDisplay()) no wallpaper is
// drawn: an ordinary panel is painted pale yellow and a header navy.
class TAdvancedPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };
    enum class Role { Panel, Header };

    explicit TAdvancedPanel(QWidget* parent = nullptr);

    void setWallpaper(const QPixmap& picture, bool tiled = true);
    void clearWallpaper();
    QPixmap wallpaper() const { return wallpaper_; }
    void setTiled(bool tiled);
    bool tiled() const { return tiled_; }

    // Colour painted where there is no wallpaper.
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

    void setBevels(Bevel outer, Bevel inner, int width = 2);
    Bevel outerBevel() const { return outer_; }
    Bevel innerBevel() const { return inner_; }

    void setRole(Role role);
    Role role() const { return role_; }

    // What the panel paints right now: the low-colour colour, the wallpaper or its colour.
    bool showsWallpaper() const;
    QColor backgroundColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawBevel(class QPainter& p, QRect& r, Bevel bevel) const;

    QPixmap wallpaper_;
    bool tiled_ = true;
    QColor colour_;
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
    int bevelWidth_ = 2;
    Role role_ = Role::Panel;
};

} // namespace lettrava
