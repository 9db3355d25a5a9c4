#include "ui/widgets/TWordListBox.h"

#include "core/game/Player.h"
#include "ui/platform/GameText.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyledItemDelegate>

#include <algorithm>

namespace lettrava {

class WordListDelegate : public QStyledItemDelegate {
public:
    explicit WordListDelegate(TWordListBox* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), list_->itemHeight());
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int row = index.row();
        if (row < 0 || static_cast<std::size_t>(row) >= list_->words_.size())
            return;
        const LVWord& w = list_->words_[static_cast<std::size_t>(row)];
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        if (selected)
            p->fillRect(option.rect, option.palette.color(QPalette::Highlight));
        if (list_->entryLook(row, selected).bolt) {
            const QPixmap bolt = TWordListBox::boltPicture(option.rect.height());
            p->drawPixmap(option.rect.left(), option.rect.top(), bolt);
        }
        const TWordListBox::EntryLook look = list_->entryLook(row, selected);
        QFont f = list_->font();
        f.setStrikeOut(look.struckOut);
        p->setFont(f);
        p->setPen(look.colour);
        p->drawText(option.rect.adjusted(list_->textLeft(), 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    toQt(w.text));
        p->restore();
    }

private:
    TWordListBox* list_;
};

TWordListBox::EntryLook TWordListBox::entryLook(int row, bool selected) const
{
    EntryLook look;
    if (row < 0 || static_cast<std::size_t>(row) >= words_.size())
        return look;
    const LVWord& w = words_[static_cast<std::size_t>(row)];
    look.colour = selected ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::Text);
    look.struckOut = !w.inGrid;
    if (w.inGrid && !w.inDictionary)
        look.colour = selected ? QColor(255, 160, 160) : QColor(Qt::red);
    look.bolt = w.unique;
    return look;
}

TWordListBox::TWordListBox(Kind kind, QWidget* parent) : QListWidget(parent), kind_(kind)
{
    setItemDelegate(new WordListDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyFont(font());
}

void TWordListBox::setWords(std::vector<LVWord> words)
{
    words_ = std::move(words);
    refill();
}

void TWordListBox::sortBy(int order)
{
    sortWordList(words_, order);
    refill();
}

void TWordListBox::refill()
{
    const QSignalBlocker block(this);
    clear();
    for (const LVWord& w : words_) {
        auto* item = new QListWidgetItem(toQt(w.text), this);
        item->setSizeHint(QSize(0, itemHeight_));
        // What the bolt, the red and the stroke through a player's word mean.
        if (kind_ == Kind::Player) {
            if (!w.inGrid)
                item->setToolTip(tr("Not in the grid"));
            else if (!w.inDictionary)
                item->setToolTip(tr("Not in the dictionary"));
            else if (w.unique)
                item->setToolTip(tr("Unique word: no other player found it"));
        }
    }
    if (count() > 0)
        setCurrentRow(0);
}

const LVWord* TWordListBox::selectedWord() const
{
    const int row = currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= words_.size() || selectedItems().isEmpty())
        return nullptr;
    return &words_[static_cast<std::size_t>(row)];
}

void TWordListBox::applyFont(const QFont& f)
{
    setFont(f);
    itemHeight_ = QFontMetrics(f).size(Qt::TextSingleLine, QStringLiteral("XX")).height();
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, itemHeight_));
    doItemsLayout();
}

QPixmap TWordListBox::boltPicture(int height)
{
    const int h = std::max(height, 8);
    const int w = std::max(h * 2 / 3, 6);
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bolt;
    bolt.moveTo(w * 0.60, 0.5);
    bolt.lineTo(w * 0.10, h * 0.58);
    bolt.lineTo(w * 0.45, h * 0.58);
    bolt.lineTo(w * 0.30, h - 0.5);
    bolt.lineTo(w * 0.90, h * 0.38);
    bolt.lineTo(w * 0.55, h * 0.38);
    bolt.closeSubpath();
    p.setPen(QPen(QColor(150, 90, 0), 0.8));
    p.setBrush(QColor(255, 200, 0));
    p.drawPath(bolt);
    return pm;
}

int TWordListBox::textLeft() const
{
    return kind_ == Kind::Player ? boltPicture(itemHeight_).width() + 1 : 2;
}

void TWordListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // Focus that comes with the window (when it opens or is activated) is
    // not the user picking the list.
    const Qt::FocusReason r = event->reason();
    if (r == Qt::MouseFocusReason || r == Qt::TabFocusReason || r == Qt::BacktabFocusReason
        || r == Qt::ShortcutFocusReason)
        emit entrySelected();
}

void TWordListBox::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit entrySelected();
}

void TWordListBox::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit entrySelected();
}

} // namespace lettrava
