#pragma once

#include <QColor>
#include <QLabel>

namespace lettrava {

// One letter of the board, over its tile. It carries its place as a tag,
// column x 100 + row, and reports every mouse button pressed on it.
//
// A plain letter is drawn in the label's own text colour; a coloured one
// (a letter used in the mouse word) is drawn filled with its colour and
// outlined dark, so that even yellow stays readable on an ivory tile.
class TLetterLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLetterLabel(QWidget* parent = nullptr);

    void setTag(int tag) { tag_ = tag; }
    int tag() const { return tag_; }
    int column() const { return tag_ / 100; }
    int row() const { return tag_ % 100; }

    // An invalid colour draws the letter plainly.
    void setLetterColour(const QColor& colour);
    QColor letterColour() const { return colour_; }

signals:
    void mouseButtonPressed(int tag, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int tag_ = 0;
    QColor colour_;
};

} // namespace lettrava
