#include "ui/widgets/TPictureButton.h"

#include "ui/platform/SharedPictures.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace lettrava {

TPictureButton::TPictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    usePushButtonPictures();
}

void TPictureButton::usePushButtonPictures()
{
    const auto& pics = SharedPictures::instance();
    setPictures(pics.pushButtons[0], pics.pushButtons[1]);
}

void TPictureButton::setPictures(const QPixmap& up, const QPixmap& pressed)
{
    up_ = up;
    pressed_ = pressed.isNull() ? up : pressed;
    update();
}

void TPictureButton::setFace(const QPixmap& face)
{
    face_ = face;
    update();
}

void TPictureButton::setPictureSize(const QSize& size)
{
    size_ = size;
    updateGeometry();
    update();
}

QSize TPictureButton::sizeHint() const { return size_ + QSize(4, 4); }

void TPictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    QRect target(QPoint(0, 0), size_.scaled(size() - QSize(4, 4), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    if (!isEnabled())
        p.setOpacity(0.45);
    p.drawPixmap(target, currentPicture());
    if (!face_.isNull()) {
        const QRect faceRect = isDown() ? target.translated(0, 1) : target;
        p.drawPixmap(faceRect, face_);
    }
    p.setOpacity(1);
    if (hasFocus()) {
        p.setPen(QPen(QColor(255, 236, 150, 230), 2, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(target).adjusted(-1, -1, 1, 1));
    }
}

TFlatButton::TFlatButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

QSize TFlatButton::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(text()) + 8, fm.height() + 4);
}

void TFlatButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont f = font();
    f.setUnderline(hover_ || hasFocus());
    p.setFont(f);
    p.setPen(isEnabled() ? palette().color(QPalette::WindowText) : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.drawText(rect().adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, text());
}

void TFlatButton::enterEvent(QEnterEvent* event)
{
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TFlatButton::leaveEvent(QEvent* event)
{
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace lettrava
