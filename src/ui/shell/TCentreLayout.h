#pragma once

class QSize;
class QWidget;

namespace lettrava {

class TFactoryMode;
class TLetterBoard;
class TPlayPanels;
class TPlayView;

// Places the parts of the main window's centre for its size: the board,
// whose tiles take the room that the column of panels to its right and the
// word entry under it leave, the whole group centred; the welcome panel in
// the middle. It also gives the centre its smallest size, the board at its
// smallest tiles.
class TCentreLayout {
public:
    TCentreLayout(QWidget& centre, TLetterBoard& board, TPlayView& view, TPlayPanels& play, QWidget& welcome);

    // The Grid Factory's panels take the column while it has the centre.
    void setFactory(TFactoryMode* factory) { factory_ = factory; }

    void setMinimumSize();
    // Every part in its place; `factoryShown` while the designer has the centre.
    void arrange(bool factoryShown);
    // The tiles' size against their design size.
    double zoom() const { return zoom_; }

private:
    void scaleBoard(QSize centre, bool factoryShown);

    QWidget& centre_;
    TLetterBoard& board_;
    TPlayView& view_;
    TPlayPanels& play_;
    QWidget& welcome_;
    TFactoryMode* factory_ = nullptr;
    double zoom_ = 1.0;
};

} // namespace lettrava
