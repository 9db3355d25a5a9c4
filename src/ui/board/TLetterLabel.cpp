#include "ui/board/TLetterLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace lettrava {

TLetterLabel::TLetterLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void TLetterLabel::setLetterColour(const QColor& colour)
{
    if (colour_ == colour)
        return;
    colour_ = colour;
    update();
}

void TLetterLabel::paintEvent(QPaintEvent* event)
{
    if (!colour_.isValid()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A letter in the mouse word is drawn bold in its colour.
    QFont f = font();
    f.setBold(true);
    const QFontMetricsF fm(f);
    const QString t = text();
    const qreal x = (width() - fm.horizontalAdvance(t)) / 2.0;
    const qreal y = (height() + fm.ascent() - fm.descent()) / 2.0;
    QPainterPath path;
    path.addText(QPointF(x, y), f, t);
    // A light letter needs an edge to stand out from the ivory tile.
    if (colour_.lightness() > 140)
        p.setPen(QPen(QColor(70, 45, 10, 230), std::max(0.7, font().pointSizeF() / 16.0), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(colour_);
    p.drawPath(path);
}

void TLetterLabel::mousePressEvent(QMouseEvent* event)
{
    emit mouseButtonPressed(tag_, event->button());
    event->accept();
}

} // namespace lettrava
