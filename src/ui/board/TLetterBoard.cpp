#include "ui/board/TLetterBoard.h"

#include "core/grid/Grid.h"
#include "core/platform/Random.h"
#include "ui/board/BoardLayout.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SharedPictures.h"
#include "ui/board/TLetterLabel.h"
#include "ui/platform/GameText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <QResizeEvent>
#include <QStringList>

#include <algorithm>

namespace lettrava {

namespace {

void setWindowText(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

} // namespace

// Drawn over the cells: the path's line and its step numbers.
class TLetterBoard::PathOverlay : public QWidget {
public:
    explicit PathOverlay(TLetterBoard& board) : QWidget(&board), board_(board)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_TranslucentBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const std::vector<QPoint>& path = board_.path_;
        if (path.empty())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QSize tile = board_.tileSize_;
        const qreal unit = std::min(tile.width(), tile.height());
        QPolygonF line;
        for (const QPoint& c : path)
            line << QRectF(board_.cellRect(c.x(), c.y())).center();
        p.setPen(QPen(QColor(30, 90, 235, 150), std::max<qreal>(2, unit / 7), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.drawPolyline(line);
        // Each cell's steps in its upper left corner.
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(std::max(7, static_cast<int>(unit / 3.6)));
        p.setFont(f);
        for (int c = 0; c < board_.columns_; ++c)
            for (int r = 0; r < board_.rows_; ++r) {
                const QString steps = board_.pathSteps(c, r);
                if (steps.isEmpty())
                    continue;
                const QRect cell = board_.cellRect(c, r);
                const QSize text = QFontMetrics(f).size(0, steps) + QSize(6, 0);
                const QRectF badge(cell.left() + 1, cell.top() + 1, text.width(), text.height());
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(30, 90, 235, 210));
                p.drawRoundedRect(badge, badge.height() / 2, badge.height() / 2);
                p.setPen(Qt::white);
                p.drawText(badge, Qt::AlignCenter, steps);
            }
    }

private:
    TLetterBoard& board_;
};

TLetterBoard::TLetterBoard(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TranslucentBackground); }

void TLetterBoard::setPath(const std::vector<QPoint>& cells)
{
    path_.clear();
    for (const QPoint& c : cells)
        if (inside(c.x(), c.y()))
            path_.push_back(c);
    if (!overlay_)
        overlay_ = new PathOverlay(*this);
    overlay_->setGeometry(rect());
    overlay_->setVisible(!path_.empty());
    overlay_->raise();
    overlay_->update();
}

QString TLetterBoard::pathSteps(int column, int row) const
{
    QStringList steps;
    for (std::size_t i = 0; i < path_.size(); ++i)
        if (path_[i] == QPoint(column, row))
            steps << QString::number(i + 1);
    return steps.join(QStringLiteral(", "));
}

void TLetterBoard::setFramed(bool framed, int pad)
{
    framed_ = framed;
    framePad_ = pad;
    update();
}

void TLetterBoard::setPlacement(Placement placement, QPoint origin)
{
    if (placement == placement_ && origin == origin_)
        return;
    placement_ = placement;
    origin_ = origin;
    relayoutCells();
}

void TLetterBoard::setTileSize(QSize size, int gap)
{
    if (size == tileSize_ && gap == gap_)
        return;
    tileSize_ = size;
    gap_ = gap;
    relayoutCells();
}

void TLetterBoard::relayoutCells()
{
    for (int c = 0; c < columns_; ++c)
        for (int r = 0; r < rows_; ++r) {
            const QRect at = cellRect(c, r);
            if (QLabel* t = tileAt(c, r))
                t->setGeometry(at);
            if (TLetterLabel* l = letterAt(c, r))
                l->setGeometry(at);
        }
    if (overlay_)
        overlay_->update();
    update();
}

QRect TLetterBoard::cellRect(int column, int row) const
{
    if (placement_ == Placement::WholeTiles)
        return BoardLayout::tileRect(origin_, tileSize_, columns_, rows_, column, row, gap_);
    const int pitchW = tileSize_.width() + gap_;
    const int pitchH = tileSize_.height() + gap_;
    const int left = origin_.x() + (kMaxCells - columns_) * pitchW / 2;
    const int top = origin_.y() + (kMaxCells - rows_) * pitchH / 2;
    return {left + column * pitchW, top + row * pitchH, tileSize_.width(), tileSize_.height()};
}

int TLetterBoard::cellsBottom() const
{
    if (columns_ == 0 || rows_ == 0)
        return 0;
    return cellRect(columns_ - 1, rows_ - 1).bottom() + 1;
}

void TLetterBoard::clear()
{
    for (QLabel*& t : tiles_) {
        delete t;
        t = nullptr;
    }
    for (TLetterLabel*& l : letters_) {
        delete l;
        l = nullptr;
    }
    bold_.fill(false);
    columns_ = rows_ = 0;
    setPath({});
    update();
}

void TLetterBoard::build(const Grid& grid, int columns, int rows)
{
    clear();
    columns_ = std::clamp(columns, 1, kMaxCells);
    rows_ = std::clamp(rows, 1, kMaxCells);
    const bool low = lowColourDisplay();
    const SharedPictures& pics = SharedPictures::instance();
    for (int c = columns_ - 1; c >= 0; --c)
        for (int r = rows_ - 1; r >= 0; --r) {
            const char ch = grid.letterAt(c + 1, r + 1);
            const bool blank = ch == ' ';
            if (blank && blanks_ == Blanks::Absent)
                continue;
            const QRect at = cellRect(c, r);
            const int tag = c * 100 + r;
            auto* tile = new QLabel(this);
            tile->setObjectName(QStringLiteral("tile%1").arg(tag));
            tile->setScaledContents(true);
            tile->setPixmap(low ? pics.lowColourTile : pics.tiles[variedTiles_ ? Random::instance().below(6) : 0]);
            tile->setGeometry(at);

            auto* letter = new TLetterLabel(this);
            letter->setObjectName(QStringLiteral("letter%1").arg(tag));
            letter->setTag(tag);
            letter->setAlignment(Qt::AlignCenter);
            letter->setFont(font_);
            setWindowText(letter, textColour_);
            letter->setText(toQt(ch));
            letter->setGeometry(at);
            if (pressable_)
                connect(letter, &TLetterLabel::mouseButtonPressed, this, [this](int t, Qt::MouseButton button) {
                    emit cellPressed(t / 100, t % 100, button);
                });
            else
                letter->setAttribute(Qt::WA_TransparentForMouseEvents);
            const bool visible = !blank || blanks_ == Blanks::Tiled;
            tile->setVisible(visible);
            letter->setVisible(visible);
            tiles_[index(c, r)] = tile;
            letters_[index(c, r)] = letter;
        }
    if (overlay_)
        overlay_->raise();
    update();
}

void TLetterBoard::resizeEvent(QResizeEvent* event)
{
    if (overlay_)
        overlay_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

TLetterLabel* TLetterBoard::letterAt(int column, int row) const
{
    return inside(column, row) ? letters_[index(column, row)] : nullptr;
}

QLabel* TLetterBoard::tileAt(int column, int row) const
{
    return inside(column, row) ? tiles_[index(column, row)] : nullptr;
}

void TLetterBoard::setBoardFont(const QFont& font)
{
    font_ = font;
    for (int c = 0; c < columns_; ++c)
        for (int r = 0; r < rows_; ++r)
            if (TLetterLabel* l = letterAt(c, r)) {
                QFont f = font_;
                f.setBold(bold_[index(c, r)] || font_.bold());
                l->setFont(f);
            }
}

void TLetterBoard::setTextColour(const QColor& colour)
{
    textColour_ = colour;
    for (TLetterLabel* l : letters_)
        if (l)
            setWindowText(l, colour);
}

void TLetterBoard::setCellStyle(int column, int row, const QColor& colour, bool bold)
{
    TLetterLabel* l = letterAt(column, row);
    if (!l)
        return;
    bold_[index(column, row)] = bold;
    QFont f = font_;
    f.setBold(bold);
    l->setFont(f);
    setWindowText(l, colour);
}

bool TLetterBoard::cellBold(int column, int row) const { return inside(column, row) && bold_[index(column, row)]; }

void TLetterBoard::showCells(const Grid& grid, bool show)
{
    for (int c = 0; c < columns_; ++c)
        for (int r = 0; r < rows_; ++r) {
            const bool visible = show && (grid.letterAt(c + 1, r + 1) != ' ' || blanks_ == Blanks::Tiled);
            if (QLabel* t = tileAt(c, r))
                t->setVisible(visible);
            if (TLetterLabel* l = letterAt(c, r))
                l->setVisible(visible);
        }
}

void TLetterBoard::paintEvent(QPaintEvent*)
{
    if (!framed_ || columns_ == 0 || lowColourDisplay())
        return;
    // A soft frame a little outside the cells.
    const int kPad = framePad_;
    const QRect cells = cellRect(0, 0).united(cellRect(columns_ - 1, rows_ - 1));
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 236, 200, 60), 1.5));
    p.setBrush(QColor(25, 12, 4, 105));
    p.drawRoundedRect(QRectF(cells.adjusted(-kPad + 2, -kPad + 2, kPad - 2, kPad - 2)).adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
}

} // namespace lettrava
