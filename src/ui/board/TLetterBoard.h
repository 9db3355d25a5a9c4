#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QLabel>
#include <QWidget>

#include <array>
#include <vector>

namespace lettrava {

class Grid;
class TLetterLabel;

// The board of letter tiles for a grid of 3 x 3 to 12 x 12 cells, used by
// every window that shows a grid. Each cell is a tile picture with its
// letter over it, both children of the board; the board is the area they are
// laid out in, and may draw a soft frame around the cells.
//
// Cells are built last cell first (the last column's last row first), their
// object names "tile" and "letter" followed by the tag, column x 100 + row.
// A press on a letter is reported with its column, row and mouse button.
class TLetterBoard : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxCells = 12;

    // Where the cells go: the main window's board places smaller grids a
    // whole number of tiles in from the prototype's corner; the results
    // window centres them in the room of a 12 x 12 grid.
    enum class Placement { WholeTiles, Centred };
    // What a blank cell gets: its tile and letter built but hidden (a hole in
    // play), nothing at all, or a visible tile like any other (the designer).
    enum class Blanks { Hidden, Absent, Tiled };

    explicit TLetterBoard(QWidget* parent = nullptr);

    // Cells already built move at once.
    void setPlacement(Placement placement, QPoint origin);
    // The cells' size and the space between them; cells already built move
    // and resize at once.
    void setTileSize(QSize size, int gap = 3);
    QSize tileSize() const { return tileSize_; }
    int tileGap() const { return gap_; }
    void setBlanks(Blanks blanks) { blanks_ = blanks; }
    // Tiles drawn at random from the six pictures, or all with the first.
    void setVariedTiles(bool varied) { variedTiles_ = varied; }
    // Letters that take no mouse presses let them through to the board's parent.
    void setPressable(bool pressable) { pressable_ = pressable; }
    // The frame drawn `pad` pixels around the cells (none on low-colour displays).
    void setFramed(bool framed, int pad = 8);

    // Builds the cells of `grid` at the given size, replacing any earlier ones.
    void build(const Grid& grid, int columns, int rows);
    void clear();
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    // The rectangle of cell (column, row) in the board, whether built or not.
    QRect cellRect(int column, int row) const;
    // The bottom edge of the cells built, in the board.
    int cellsBottom() const;

    TLetterLabel* letterAt(int column, int row) const;
    QLabel* tileAt(int column, int row) const;

    // The board's letters take this font and text colour; cells drawn bold keep their bold.
    void setBoardFont(const QFont& font);
    QFont boardFont() const { return font_; }
    void setTextColour(const QColor& colour);
    // One cell's text colour and weight (a word's path in the results).
    void setCellStyle(int column, int row, const QColor& colour, bool bold);
    bool cellBold(int column, int row) const;
    // Shows every cell that holds a letter of `grid`, or hides them all.
    void showCells(const Grid& grid, bool show);

    // A word's path, cell by cell in the order the word takes them: drawn as
    // a line through the cells with each step's number, so that a path that
    // passes a cell twice can be followed. An empty path draws none.
    void setPath(const std::vector<QPoint>& cells);
    const std::vector<QPoint>& path() const { return path_; }
    // The numbers shown on a cell of the path ("2" or "1, 4"), empty when
    // the path does not pass it.
    QString pathSteps(int column, int row) const;

signals:
    void cellPressed(int column, int row, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class PathOverlay;

    // Puts every built cell where cellRect says.
    void relayoutCells();

    std::size_t index(int column, int row) const
    {
        return static_cast<std::size_t>(column) * kMaxCells + static_cast<std::size_t>(row);
    }
    bool inside(int column, int row) const { return column >= 0 && row >= 0 && column < columns_ && row < rows_; }

    Placement placement_ = Placement::WholeTiles;
    QPoint origin_;
    QSize tileSize_{32, 31};
    int gap_ = 3;
    Blanks blanks_ = Blanks::Hidden;
    bool variedTiles_ = true;
    bool pressable_ = true;
    bool framed_ = false;
    int framePad_ = 8;
    QFont font_;
    QColor textColour_{Qt::black};
    int columns_ = 0;
    int rows_ = 0;
    std::array<QLabel*, kMaxCells * kMaxCells> tiles_{};
    std::array<TLetterLabel*, kMaxCells * kMaxCells> letters_{};
    std::array<bool, kMaxCells * kMaxCells> bold_{};
    std::vector<QPoint> path_;
    PathOverlay* overlay_ = nullptr;
};

} // namespace lettrava
