#include "ui/widgets/DrawnIcons.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

#include <algorithm>

#include <cmath>

namespace lettrava {

namespace {

const QColor kOutline(52, 28, 8);
const QColor kIvory(255, 248, 228);

// A glossy disc filling the picture, in the given colour.
void disc(QPainter& p, qreal s, const QColor& colour)
{
    QRadialGradient g(QPointF(s * 0.38, s * 0.32), s * 0.62);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(0.7, colour);
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(kOutline, s * 0.05));
    p.setBrush(g);
    p.drawEllipse(QRectF(s * 0.06, s * 0.06, s * 0.88, s * 0.88));
}

void drawSave(QPainter& p, qreal s)
{
    const QRectF body(s * 0.12, s * 0.12, s * 0.76, s * 0.76);
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, QColor(70, 110, 190));
    g.setColorAt(1, QColor(30, 55, 120));
    p.setPen(QPen(kOutline, s * 0.05));
    p.setBrush(g);
    p.drawRoundedRect(body, s * 0.08, s * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvory);
    p.drawRect(QRectF(s * 0.24, s * 0.16, s * 0.52, s * 0.28)); // the label
    p.setBrush(QColor(190, 196, 210));
    p.drawRect(QRectF(s * 0.30, s * 0.58, s * 0.40, s * 0.26)); // the shutter
    p.setBrush(QColor(30, 55, 120));
    p.drawRect(QRectF(s * 0.54, s * 0.62, s * 0.09, s * 0.18));
}

void drawGo(QPainter& p, qreal s)
{
    disc(p, s, QColor(40, 160, 60));
    QPainterPath arrow;
    arrow.moveTo(s * 0.40, s * 0.28);
    arrow.lineTo(s * 0.74, s * 0.50);
    arrow.lineTo(s * 0.40, s * 0.72);
    arrow.closeSubpath();
    p.setPen(QPen(kOutline, s * 0.03));
    p.setBrush(kIvory);
    p.drawPath(arrow);
}

void drawPause(QPainter& p, qreal s)
{
    disc(p, s, QColor(225, 150, 30));
    p.setPen(QPen(kOutline, s * 0.03));
    p.setBrush(kIvory);
    p.drawRoundedRect(QRectF(s * 0.32, s * 0.28, s * 0.13, s * 0.44), s * 0.03, s * 0.03);
    p.drawRoundedRect(QRectF(s * 0.55, s * 0.28, s * 0.13, s * 0.44), s * 0.03, s * 0.03);
}

void drawClearClicks(QPainter& p, qreal s)
{
    // An eraser lying across a tile.
    p.setPen(QPen(kOutline, s * 0.04));
    p.setBrush(kIvory);
    p.drawRoundedRect(QRectF(s * 0.10, s * 0.14, s * 0.46, s * 0.46), s * 0.08, s * 0.08);
    p.save();
    p.translate(s * 0.58, s * 0.62);
    p.rotate(-35);
    const QRectF eraser(-s * 0.30, -s * 0.13, s * 0.60, s * 0.26);
    p.setBrush(QColor(235, 120, 140));
    p.drawRoundedRect(eraser, s * 0.05, s * 0.05);
    p.setBrush(QColor(80, 110, 200));
    p.drawRoundedRect(QRectF(eraser.left() + eraser.width() * 0.55, eraser.top(), eraser.width() * 0.45,
                             eraser.height()),
                      s * 0.05, s * 0.05);
    p.restore();
}

void drawAbort(QPainter& p, qreal s)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45.0 * i) * 3.14159265358979 / 180.0;
        octagon << QPointF(s * 0.5 + s * 0.44 * std::cos(a), s * 0.5 + s * 0.44 * std::sin(a));
    }
    QRadialGradient g(QPointF(s * 0.4, s * 0.35), s * 0.6);
    g.setColorAt(0, QColor(240, 90, 80));
    g.setColorAt(1, QColor(170, 25, 20));
    p.setPen(QPen(kOutline, s * 0.05));
    p.setBrush(g);
    p.drawPolygon(octagon);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvory);
    p.drawRoundedRect(QRectF(s * 0.24, s * 0.42, s * 0.52, s * 0.16), s * 0.04, s * 0.04);
}

void drawStopwatch(QPainter& p, qreal s)
{
    p.setPen(QPen(kOutline, s * 0.05));
    p.setBrush(QColor(200, 160, 60));
    p.drawRoundedRect(QRectF(s * 0.42, s * 0.04, s * 0.16, s * 0.12), s * 0.03, s * 0.03); // the crown
    const QRectF face(s * 0.12, s * 0.16, s * 0.76, s * 0.76);
    QRadialGradient g(face.center(), s * 0.4);
    g.setColorAt(0, kIvory);
    g.setColorAt(1, QColor(225, 210, 175));
    p.setBrush(g);
    p.drawEllipse(face);
    p.setPen(QPen(kOutline, s * 0.03));
    for (int i = 0; i < 12; ++i) {
        const double a = 30.0 * i * 3.14159265358979 / 180.0;
        const QPointF c = face.center();
        p.drawLine(QPointF(c.x() + std::cos(a) * s * 0.31, c.y() + std::sin(a) * s * 0.31),
                   QPointF(c.x() + std::cos(a) * s * 0.35, c.y() + std::sin(a) * s * 0.35));
    }
    p.setPen(QPen(QColor(170, 30, 20), s * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(face.center(), face.center() + QPointF(s * 0.16, -s * 0.16));
    p.setPen(QPen(kOutline, s * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(face.center(), face.center() + QPointF(0, -s * 0.24));
}

} // namespace

QPixmap drawnPicture(DrawnIcon which, int size)
{
    // Drawn for the densest screen in use (twice the size at least), so that
    // nothing is scaled up on the way to the screen.
    qreal ratio = 2.0;
    for (const QScreen* screen : QGuiApplication::screens())
        ratio = std::max(ratio, std::ceil(screen->devicePixelRatio()));
    QPixmap pixmap(static_cast<int>(size * ratio), static_cast<int>(size * ratio));
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = size * ratio;
        switch (which) {
        case DrawnIcon::Save: drawSave(p, s); break;
        case DrawnIcon::Go: drawGo(p, s); break;
        case DrawnIcon::Pause: drawPause(p, s); break;
        case DrawnIcon::ClearClicks: drawClearClicks(p, s); break;
        case DrawnIcon::Abort: drawAbort(p, s); break;
        case DrawnIcon::Stopwatch: drawStopwatch(p, s); break;
        }
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon drawnIcon(DrawnIcon which, int size)
{
    QIcon icon(drawnPicture(which, size));
    return icon;
}

} // namespace lettrava
