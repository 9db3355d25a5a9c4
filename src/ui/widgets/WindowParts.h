#pragma once

#include "ui/platform/Product.h"

#include <QFont>
#include <QLabel>
#include <QString>

class QBoxLayout;

namespace lettrava {

class TPictureButton;

// Small pieces shared by the game's smaller windows.

// The fonts chosen in the preferences, or their defaults when there are no
// preferences (a window shown on its own); the board's letters scaled with
// its tiles.
QFont preferredWordListFont();
QFont preferredGameBoardFont(double scale = 1.0);

// A picture button with the shared push-button pictures and a caption label
// beside it (below when `below`); both the picture and the caption click it.
// Names: "img" + name and "lbl" + name.
TPictureButton* addCaptionedButton(QBoxLayout* layout, const QString& caption, const QString& name, bool below = false);

// A label that reports clicks (mouse button released over it).
class TClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit TClickLabel(const QString& text = {}, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(class QMouseEvent* event) override;
};

} // namespace lettrava
