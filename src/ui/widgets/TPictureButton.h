#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace lettrava {

// A button drawn as a picture: the shared "up" picture normally, the
// "pressed" picture while the mouse button (or Space) holds it down, with an
// optional face drawn over it. A single picture (a status picture, say) can
// stand for both. It takes the keyboard focus like any button and shows a
// ring while it has it.
class TPictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TPictureButton(QWidget* parent = nullptr);

    // The shared push-button pictures.
    void usePushButtonPictures();
    void setPictures(const QPixmap& up, const QPixmap& pressed);
    void setFace(const QPixmap& face);
    void setPictureSize(const QSize& size);

    QPixmap upPicture() const { return up_; }
    QPixmap pressedPicture() const { return pressed_; }
    // The picture shown now.
    QPixmap currentPicture() const { return isDown() ? pressed_ : up_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap up_, pressed_, face_;
    QSize size_{32, 32};
};

// A flat text button that looks like a caption and acts like a button: used
// where clicking a caption does something (the Sounds page's captions).
class TFlatButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TFlatButton(const QString& text, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(class QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool hover_ = false;
};

} // namespace lettrava
