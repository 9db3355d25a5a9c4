// Draws every picture the game ships: wood wallpapers, letter tiles, picture
// buttons and their faces, the sound page's status pictures, the chat's
// member pictures and buttons, and the application icon. The output is
// deterministic (no clock, no fonts, no outside files), so running it again
// gives the same PNGs.
//
//   lettrava-artwork OUTPUT_FOLDER
//
// writes OUTPUT_FOLDER/pictures/*.png and OUTPUT_FOLDER/icons/hicolor/...

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>

namespace {

// ------------------------------------------------------------------ noise

std::uint32_t hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed)
{
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return h;
}

double lattice(int x, int y, int px, int py, std::uint32_t seed)
{
    x = ((x % px) + px) % px;
    y = ((y % py) + py) % py;
    return (hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) & 0xffffff) / double(0xffffff);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

// Value noise on a px × py lattice that wraps around, so a texture built from
// it tiles without seams. u and v run over [0, 1).
double noise(double u, double v, int px, int py, std::uint32_t seed)
{
    const double x = u * px, y = v * py;
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const double fx = smooth(x - ix), fy = smooth(y - iy);
    const double a = lattice(ix, iy, px, py, seed), b = lattice(ix + 1, iy, px, py, seed);
    const double c = lattice(ix, iy + 1, px, py, seed), d = lattice(ix + 1, iy + 1, px, py, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double fbm(double u, double v, int px, int py, int octaves, std::uint32_t seed)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * noise(u, v, px << o, py << o, seed + static_cast<std::uint32_t>(o) * 101);
        norm += amp;
        amp *= 0.5;
    }
    return sum / norm;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

// ------------------------------------------------------------------ wood

struct WoodStyle {
    QColor light, dark, fibre;
    int plankHeight;    // pixels; rows of planks with staggered joints
    int rings;          // growth rings across one plank
    std::uint32_t seed;
    double seamShade;   // darkness of the gaps between planks
};

// Planks with horizontal grain. Everything wraps at the image edges so the
// picture can be tiled.
QImage wood(int w, int h, const WoodStyle& s)
{
    QImage img(w, h, QImage::Format_RGB32);
    const int rows = h / s.plankHeight;
    for (int y = 0; y < h; ++y) {
        const int row = y / s.plankHeight;
        const double inPlank = double(y % s.plankHeight) / s.plankHeight;
        for (int x = 0; x < w; ++x) {
            const double u = double(x) / w, v = double(y) / h;
            // Each plank has its own piece of the log: offset the grain.
            const std::uint32_t plankSeed = s.seed + static_cast<std::uint32_t>(row) * 7919;
            const double warp = fbm(u, v, 2, rows * 3, 4, plankSeed) - 0.5;
            double ring = (inPlank + warp * 0.45) * s.rings + fbm(u, v, 3, rows, 2, plankSeed + 3) * 1.5;
            ring -= std::floor(ring);
            // Wide pale early wood, then a narrow darker band of late wood.
            const double band = ring < 0.7 ? 0.15 * ring / 0.7 : 0.15 + 0.85 * std::sin((ring - 0.7) / 0.3 * M_PI);
            const double streak = fbm(u, v, 10, rows * 40, 4, plankSeed + 11);
            const double pores = noise(u, v, w / 12, h / 2, plankSeed + 17);
            double t = 0.15 + 0.45 * band + 0.4 * (streak - 0.5) + 0.1 * (pores - 0.5);
            // Tone varies a little from plank to plank.
            t += (lattice(row, 0, rows, 1, s.seed + 5) - 0.5) * 0.25;
            QColor c = mix(s.light, s.dark, t);
            if (pores > 0.9)
                c = mix(c, s.fibre, (pores - 0.9) * 2.5);
            // Bevelled plank edges and staggered butt joints.
            const int yi = y % s.plankHeight;
            const int jointX = static_cast<int>((row % 2 == 0 ? 0.25 : 0.75) * w);
            const int dx = std::abs(((x - jointX) % w + w) % w - 0);
            double shade = 0;
            if (yi == 0)
                shade = s.seamShade;
            else if (yi == 1)
                shade = -0.10;
            else if (yi == s.plankHeight - 1)
                shade = s.seamShade * 0.45;
            if (dx == 0 || dx == w - 1)
                shade = std::max(shade, s.seamShade * 0.8);
            else if (dx == 1)
                shade = std::min(shade, -0.08);
            if (shade > 0)
                c = mix(c, QColor(40, 22, 10), shade);
            else if (shade < 0)
                c = mix(c, QColor(255, 235, 200), -shade);
            img.setPixel(x, y, c.rgb());
        }
    }
    return img;
}

// ------------------------------------------------------------------ tiles

QPainterPath roundedRect(const QRectF& r, double radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

// An ivory letter tile with a soft bevel, drawn at 4× the board's design
// size of 32 × 31 pixels.
QImage tile(int variant)
{
    const int w = 128, h = 124;
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    static const QColor faces[6] = {
        QColor(250, 243, 222), QColor(247, 238, 212), QColor(252, 246, 230),
        QColor(245, 236, 214), QColor(249, 240, 218), QColor(251, 244, 226),
    };
    const QColor face = faces[variant % 6];
    const QRectF body(3, 2, w - 7, h - 7);

    // Shadow under the tile.
    for (int i = 4; i >= 1; --i)
        p.fillPath(roundedRect(body.translated(1.5, 2.5).adjusted(-i * 0.5, -i * 0.5, i * 0.5, i * 0.5), 16),
                   QColor(40, 20, 0, 14));

    // The body: darker rim, then the raised face.
    QLinearGradient rim(body.topLeft(), body.bottomRight());
    rim.setColorAt(0, face.lighter(104));
    rim.setColorAt(1, mix(face, QColor(150, 118, 70), 0.55));
    p.fillPath(roundedRect(body, 15), rim);

    const QRectF top = body.adjusted(7, 6, -8, -9);
    QLinearGradient faceGradient(top.topLeft(), top.bottomLeft());
    faceGradient.setColorAt(0, face.lighter(103));
    faceGradient.setColorAt(1, mix(face, QColor(214, 196, 160), 0.35));
    p.fillPath(roundedRect(top, 11), faceGradient);

    // Fine grain of the ivory, different for each variant.
    for (int y = static_cast<int>(top.top()); y < top.bottom(); ++y)
        for (int x = static_cast<int>(top.left()); x < top.right(); ++x) {
            if (!roundedRect(top, 11).contains(QPointF(x + 0.5, y + 0.5)))
                continue;
            const double n = fbm(x / double(w), y / double(h), 3, 24, 3, 900 + static_cast<std::uint32_t>(variant));
            const QColor c = img.pixelColor(x, y);
            img.setPixelColor(x, y, mix(c, QColor(196, 170, 120), std::max(0.0, (n - 0.55) * 0.35)));
        }

    // Highlight along the upper left, soft shade on the lower right.
    QPainterPath faceEdge = roundedRect(top, 11);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 3));
    p.drawArc(top.adjusted(1, 1, -1, -1), 90 * 16, 90 * 16);
    p.drawLine(QPointF(top.left() + 12, top.top() + 1.5), QPointF(top.right() - 12, top.top() + 1.5));
    p.drawLine(QPointF(top.left() + 1.5, top.top() + 12), QPointF(top.left() + 1.5, top.bottom() - 12));
    p.setPen(QPen(QColor(120, 90, 40, 70), 2));
    p.drawPath(faceEdge);
    p.setPen(QPen(QColor(90, 60, 20, 110), 1.5));
    p.drawPath(roundedRect(body.adjusted(0.75, 0.75, -0.75, -0.75), 15));
    return img;
}

// The tile of the plain look: a handful of flat colours.
QImage lowColourTile()
{
    const int w = 128, h = 124;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(255, 255, 170));
    QPainter p(&img);
    p.fillRect(QRect(4, 4, w - 8, h - 8), QColor(255, 255, 255));
    p.fillRect(QRect(4, 4, w - 8, 6), QColor(255, 255, 255));
    p.fillRect(QRect(4, h - 10, w - 8, 6), QColor(128, 128, 128));
    p.fillRect(QRect(w - 10, 4, 6, h - 8), QColor(128, 128, 128));
    p.setPen(QPen(QColor(0, 0, 0), 4));
    p.drawRect(QRect(2, 2, w - 5, h - 5));
    p.end();
    return img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

// ------------------------------------------------------------------ buttons

// A round glossy button ("dot"), 2× size 96 for a 48-pixel button.
QImage dot(bool pressed)
{
    const int s = 96;
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(s / 2.0, s / 2.0 + (pressed ? 1.5 : 0));

    // Shadow on the panel.
    if (!pressed) {
        QRadialGradient sh(QPointF(s / 2.0 + 2, s / 2.0 + 5), s * 0.5);
        sh.setColorAt(0.75, QColor(30, 15, 0, 110));
        sh.setColorAt(1.0, QColor(30, 15, 0, 0));
        p.setBrush(sh);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(s / 2.0 + 2, s / 2.0 + 5), s * 0.5, s * 0.5);
    }
    // Turned wooden ring.
    QLinearGradient ring(QPointF(0, 0), QPointF(0, s));
    ring.setColorAt(0, QColor(214, 160, 92));
    ring.setColorAt(1, QColor(112, 64, 28));
    p.setBrush(ring);
    p.setPen(QPen(QColor(70, 38, 14), 1.5));
    p.drawEllipse(c, s * 0.46, s * 0.46);

    // The dome: amber red, lit from the upper left; pressed it sinks and darkens.
    const double r = s * 0.37;
    QRadialGradient dome(c + QPointF(-r * 0.35, -r * 0.45), r * 1.5);
    if (pressed) {
        dome.setColorAt(0, QColor(214, 92, 40));
        dome.setColorAt(0.6, QColor(168, 52, 22));
        dome.setColorAt(1, QColor(98, 24, 10));
    } else {
        dome.setColorAt(0, QColor(255, 170, 92));
        dome.setColorAt(0.55, QColor(222, 86, 34));
        dome.setColorAt(1, QColor(130, 34, 12));
    }
    p.setBrush(dome);
    p.setPen(QPen(QColor(80, 20, 6), 1.2));
    p.drawEllipse(c, r, r);
    if (pressed) {
        // Inner shadow along the top edge.
        QLinearGradient inner(QPointF(0, c.y() - r), QPointF(0, c.y()));
        inner.setColorAt(0, QColor(0, 0, 0, 90));
        inner.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(inner);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, r, r);
    } else {
        // Gloss.
        QLinearGradient gloss(QPointF(0, c.y() - r), QPointF(0, c.y() + r * 0.1));
        gloss.setColorAt(0, QColor(255, 255, 255, 170));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(c.x() - r * 0.72, c.y() - r * 0.92, r * 1.44, r * 1.0));
    }
    return img;
}

// Faces drawn over a dot: ivory symbols with a dark outline, 96 × 96.
QImage face(const char* which)
{
    const int s = 96;
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ivory(255, 248, 228);
    const QPen outline(QColor(90, 24, 8, 200), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    QPainterPath path;
    const QString name = QString::fromLatin1(which);
    if (name == QLatin1String("new")) {
        // A play arrow.
        path.moveTo(38, 28);
        path.lineTo(68, 48);
        path.lineTo(38, 68);
        path.closeSubpath();
    } else if (name == QLatin1String("continue")) {
        // Two arrows: carry on where you left off.
        path.moveTo(30, 30);
        path.lineTo(50, 48);
        path.lineTo(30, 66);
        path.closeSubpath();
        path.moveTo(50, 30);
        path.lineTo(70, 48);
        path.lineTo(50, 66);
        path.closeSubpath();
    } else if (name == QLatin1String("howto")) {
        // A question mark built from an arc and a dot.
        QPainterPath arc;
        arc.moveTo(37, 40);
        arc.cubicTo(37, 22, 61, 22, 61, 38);
        arc.cubicTo(61, 48, 49, 49, 48, 58);
        QPainterPathStroker stroker;
        stroker.setWidth(9);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        path = stroker.createStroke(arc);
        path.addEllipse(QPointF(48, 69), 5.5, 5.5);
        path.setFillRule(Qt::WindingFill);
    } else if (name == QLatin1String("join")) {
        // A globe.
        QPainterPath lines;
        lines.addEllipse(QPointF(48, 48), 20, 20);
        lines.addEllipse(QPointF(48, 48), 9, 20);
        lines.moveTo(28, 48);
        lines.lineTo(68, 48);
        lines.moveTo(31, 38);
        lines.lineTo(65, 38);
        lines.moveTo(31, 58);
        lines.lineTo(65, 58);
        QPainterPathStroker stroker;
        stroker.setWidth(4.5);
        path = stroker.createStroke(lines);
        path.setFillRule(Qt::WindingFill);
    } else if (name == QLatin1String("factory")) {
        // A small grid of tiles.
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                path.addRoundedRect(QRectF(29 + c * 13.5, 29 + r * 13.5, 11, 11), 2.5, 2.5);
    }
    p.setPen(outline);
    p.setBrush(ivory);
    p.drawPath(path.simplified());
    return img;
}

// ------------------------------------------------------------------ status pictures

QImage speaker(const QColor& disc, bool cross, bool stop)
{
    const int s = 40;
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(3, 3, s - 6, s - 6);
    QRadialGradient g(body.center() + QPointF(-5, -6), s * 0.6);
    g.setColorAt(0, disc.lighter(150));
    g.setColorAt(1, disc.darker(130));
    p.setBrush(g);
    p.setPen(QPen(disc.darker(200), 1.5));
    if (stop)
        p.drawRoundedRect(body, 7, 7);
    else
        p.drawEllipse(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 240));
    if (stop) {
        p.drawRoundedRect(QRectF(13, 13, 14, 14), 2, 2);
        return img;
    }
    // Speaker cone.
    QPainterPath cone;
    cone.moveTo(10, 16);
    cone.lineTo(15, 16);
    cone.lineTo(22, 10);
    cone.lineTo(22, 30);
    cone.lineTo(15, 24);
    cone.lineTo(10, 24);
    cone.closeSubpath();
    p.drawPath(cone);
    if (cross) {
        p.setPen(QPen(QColor(255, 252, 240), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(25, 15), QPointF(31, 25));
        p.drawLine(QPointF(31, 15), QPointF(25, 25));
    } else {
        p.setPen(QPen(QColor(255, 252, 240), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(17, 13, 10, 14), -50 * 16, 100 * 16);
        p.drawArc(QRectF(16, 9, 16, 22), -50 * 16, 100 * 16);
    }
    return img;
}

// ------------------------------------------------------------------ icon

// The application icon: a wooden board with a 3 × 3 grid of ivory tiles and
// a word traced through them.
// ------------------------------------------------------------------ chat pictures

// The member list's status pictures and the chat panel's buttons are drawn
// four times larger and scaled down, so that their edges stay smooth.
constexpr int kChatScale = 4;

// A w × h picture drawn by `draw` in the picture's own units.
QImage chatPicture(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage img(w * kChatScale, h * kChatScale, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kChatScale, kChatScale);
        draw(p);
    }
    return img.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The host's mark: a wooden gavel striking its block.
QImage gavel()
{
    return chatPicture(16, 15, [](QPainter& p) {
        const QColor wood(150, 88, 40), dark(80, 44, 18);
        p.setPen(QPen(dark, 0.8));
        p.setBrush(wood.darker(110));
        p.drawRoundedRect(QRectF(1.0, 11.5, 9.0, 2.6), 0.8, 0.8); // the block
        p.save();
        p.translate(8.5, 6.0);
        p.rotate(-40);
        p.setBrush(wood.lighter(115));
        p.drawRoundedRect(QRectF(-1.0, -0.9, 8.5, 1.8), 0.9, 0.9); // the handle
        QLinearGradient head(QPointF(-3.5, -4), QPointF(1.5, 4));
        head.setColorAt(0, wood.lighter(140));
        head.setColorAt(1, wood.darker(120));
        p.setBrush(head);
        p.drawRoundedRect(QRectF(-3.2, -3.6, 4.4, 7.2), 1.2, 1.2); // the head
        p.restore();
    });
}

// A member in the game: a green tick in a disc.
QImage ready()
{
    return chatPicture(16, 15, [](QPainter& p) {
        QRadialGradient g(QPointF(6.5, 5.5), 8.5);
        g.setColorAt(0, QColor(120, 220, 120));
        g.setColorAt(1, QColor(24, 130, 44));
        p.setBrush(g);
        p.setPen(QPen(QColor(14, 80, 26), 0.8));
        p.drawEllipse(QRectF(1.0, 0.5, 14.0, 14.0));
        p.setPen(QPen(QColor(255, 255, 245), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath tick;
        tick.moveTo(4.5, 7.8);
        tick.lineTo(7.0, 10.3);
        tick.lineTo(11.5, 4.8);
        p.drawPath(tick);
    });
}

// A member reading the round's results: reading glasses.
QImage glasses()
{
    return chatPicture(16, 15, [](QPainter& p) {
        const QColor frame(40, 40, 60);
        p.setPen(QPen(frame, 1.3));
        p.setBrush(QColor(190, 225, 255, 170));
        p.drawEllipse(QRectF(0.8, 5.0, 6.2, 5.6));
        p.drawEllipse(QRectF(9.0, 5.0, 6.2, 5.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6.2, 5.6, 3.6, 2.8), 20 * 16, 140 * 16); // the bridge
        p.drawLine(QPointF(1.0, 7.0), QPointF(0.3, 3.6));          // the arms
        p.drawLine(QPointF(15.0, 7.0), QPointF(15.7, 3.6));
        p.setPen(QPen(QColor(255, 255, 255, 220), 0.9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2.6, 6.6), QPointF(3.8, 6.1)); // a glint on each lens
        p.drawLine(QPointF(10.8, 6.6), QPointF(12.0, 6.1));
    });
}

// The member-list button: a list with an arrow pointing where it goes
// (right: hide it, left: show it again).
QImage memberListButton(bool hide)
{
    return chatPicture(16, 16, [hide](QPainter& p) {
        p.setPen(QPen(QColor(70, 50, 30), 0.8));
        p.setBrush(QColor(231, 206, 165));
        p.drawRoundedRect(QRectF(7.5, 1.5, 7.5, 13.0), 1.0, 1.0);
        p.setPen(QPen(QColor(90, 64, 38), 1.1, Qt::SolidLine, Qt::RoundCap));
        for (double y : {4.5, 7.5, 10.5})
            p.drawLine(QPointF(9.3, y), QPointF(13.3, y));
        p.setPen(Qt::NoPen);
        p.setBrush(hide ? QColor(190, 50, 30) : QColor(30, 130, 60));
        QPainterPath arrow;
        if (hide) {
            arrow.moveTo(6.5, 8.0);
            arrow.lineTo(2.0, 4.0);
            arrow.lineTo(2.0, 12.0);
        } else {
            arrow.moveTo(1.0, 8.0);
            arrow.lineTo(5.5, 4.0);
            arrow.lineTo(5.5, 12.0);
        }
        arrow.closeSubpath();
        p.drawPath(arrow);
    });
}

// The add-player button: a figure with a plus.
QImage addPlayer()
{
    return chatPicture(16, 16, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 50, 90), 0.8));
        p.setBrush(QColor(70, 120, 200));
        p.drawEllipse(QRectF(2.5, 1.5, 5.0, 5.0));
        p.drawChord(QRectF(0.5, 7.5, 9.0, 12.0), 0, 180 * 16);
        p.setPen(QPen(QColor(20, 140, 50), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.5, 4.0), QPointF(12.5, 11.0));
        p.drawLine(QPointF(9.0, 7.5), QPointF(16.0 - 0.5, 7.5));
    });
}

QImage appIcon(int size)
{
    const int big = 256;
    QImage img(big, big, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF board(10, 10, big - 20, big - 20);
        const QImage grain = wood(big, big, {QColor(200, 138, 76), QColor(128, 74, 34), QColor(90, 50, 20), 64, 4, 77, 0.3});
        QPainterPath boardPath = roundedRect(board, 42);
        p.fillPath(roundedRect(board.translated(0, 5), 42), QColor(40, 20, 5, 90));
        p.setClipPath(boardPath);
        p.drawImage(0, 0, grain);
        p.setClipping(false);
        p.setPen(QPen(QColor(80, 44, 16), 5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(boardPath);
        p.setPen(QPen(QColor(255, 220, 170, 90), 3));
        p.drawPath(roundedRect(board.adjusted(6, 6, -6, -6), 36));

        const QImage t = tile(0);
        const double cell = 62, gap = 6, origin = 128 - (3 * cell + 2 * gap) / 2;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawImage(QRectF(origin + c * (cell + gap), origin + r * (cell + gap), cell, cell * 124 / 128), t);
        // The traced word.
        auto centre = [&](int c, int r) {
            return QPointF(origin + c * (cell + gap) + cell / 2 - 1, origin + r * (cell + gap) + cell / 2 - 2);
        };
        QPainterPath trace;
        trace.moveTo(centre(0, 0));
        trace.lineTo(centre(1, 1));
        trace.lineTo(centre(2, 1));
        trace.lineTo(centre(1, 2));
        p.setPen(QPen(QColor(30, 120, 60, 200), 15, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(trace);
        p.setBrush(QColor(30, 120, 60));
        p.setPen(Qt::NoPen);
        p.drawEllipse(centre(0, 0), 14, 14);
        p.setBrush(QColor(230, 90, 40));
        p.drawEllipse(centre(1, 2), 14, 14);
    }
    if (size == big)
        return img;
    return img.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool save(const QImage& img, const QString& file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!img.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: lettrava-artwork OUTPUT_FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString pics = out + QStringLiteral("/pictures/");
    bool ok = true;

    // Panels: honey oak (A), darker oak (B); the board's default wallpaper walnut.
    ok &= save(wood(512, 512, {QColor(234, 192, 134), QColor(180, 120, 66), QColor(120, 72, 34), 128, 5, 11, 0.55}),
               pics + QStringLiteral("wood_a.png"));
    ok &= save(wood(512, 512, {QColor(200, 140, 82), QColor(128, 74, 38), QColor(84, 46, 20), 128, 6, 23, 0.6}),
               pics + QStringLiteral("wood_b.png"));
    ok &= save(wood(512, 512, {QColor(140, 86, 52), QColor(76, 42, 24), QColor(48, 26, 12), 64, 3, 37, 0.7}),
               pics + QStringLiteral("wallpaper_default.png"));

    for (int i = 0; i < 6; ++i)
        ok &= save(tile(i), pics + QStringLiteral("tile%1.png").arg(i + 1));
    ok &= save(lowColourTile(), pics + QStringLiteral("tile_low.png"));

    ok &= save(dot(false), pics + QStringLiteral("button_up.png"));
    ok &= save(dot(true), pics + QStringLiteral("button_down.png"));
    for (const char* f : {"new", "continue", "howto", "join", "factory"})
        ok &= save(face(f), pics + QStringLiteral("face_%1.png").arg(QString::fromLatin1(f)));

    ok &= save(speaker(QColor(46, 150, 70), false, false), pics + QStringLiteral("sound_ready.png"));
    ok &= save(speaker(QColor(150, 140, 130), true, false), pics + QStringLiteral("sound_missing.png"));
    ok &= save(speaker(QColor(200, 40, 30), false, true), pics + QStringLiteral("sound_stop.png"));

    ok &= save(gavel(), pics + QStringLiteral("gavel.png"));
    ok &= save(ready(), pics + QStringLiteral("ready.png"));
    ok &= save(glasses(), pics + QStringLiteral("glasses.png"));
    ok &= save(memberListButton(true), pics + QStringLiteral("member_hide.png"));
    ok &= save(memberListButton(false), pics + QStringLiteral("member_show.png"));
    ok &= save(addPlayer(), pics + QStringLiteral("add_player.png"));

    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok &= save(appIcon(size),
                   out + QStringLiteral("/icons/hicolor/%1x%1/apps/org.lettrava.Lettrava.png").arg(size));
    return ok ? 0 : 1;
}
