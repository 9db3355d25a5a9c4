#include "ui/widgets/TGridFileList.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace lettrava {

namespace {

constexpr int kFileRole = Qt::UserRole + 1;

// Draws an entry as its bold round number and its file in normal weight,
// the file starting where the widest round number ends.
class GridFileDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);

        QFont bold = option.font;
        bold.setBold(true);
        const int fileLeft = QFontMetrics(bold).horizontalAdvance(TGridFileList::roundText(9));
        const QRect r = option.rect.adjusted(2, 0, -2, 0);
        const QColor pen = (option.state & QStyle::State_Selected) ? option.palette.highlightedText().color()
                                                                    : option.palette.text().color();
        p->save();
        p->setPen(pen);
        p->setFont(bold);
        p->drawText(r, Qt::AlignVCenter | Qt::AlignLeft, TGridFileList::roundText(index.row()));
        p->setFont(option.font);
        const QRect fileRect = r.adjusted(fileLeft, 0, 0, 0);
        const QString text = TGridFileList::entryText(index.data(kFileRole).toString());
        p->drawText(fileRect, Qt::AlignVCenter | Qt::AlignLeft,
                    QFontMetrics(option.font).elidedText(text, Qt::ElideMiddle, fileRect.width()));
        p->restore();
    }
};

} // namespace

TGridFileList::TGridFileList(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new GridFileDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(false);
}

QString TGridFileList::roundText(int index)
{
    const int round = index + 1;
    return tr("Round %1: ").arg(round, 2);
}

QString TGridFileList::entryText(const QString& file)
{
    if (!file.isEmpty() && QFileInfo(file).isFile())
        return file;
    return tr(kRandomGridText);
}

QStringList TGridFileList::entries() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << item(i)->data(kFileRole).toString();
    return out;
}

void TGridFileList::setEntries(const QStringList& files)
{
    clear();
    for (const QString& f : files) {
        auto* it = new QListWidgetItem(this);
        it->setData(kFileRole, f);
    }
    refreshTexts();
}

void TGridFileList::setEntry(int index, const QString& file)
{
    if (QListWidgetItem* it = item(index)) {
        it->setData(kFileRole, file);
        refreshTexts();
    }
}

QString TGridFileList::entry(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->data(kFileRole).toString() : QString();
}

void TGridFileList::padTo(int wanted)
{
    while (count() < wanted) {
        auto* it = new QListWidgetItem(this);
        it->setData(kFileRole, QString());
    }
    refreshTexts();
}

void TGridFileList::exchange(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= count() || to >= count())
        return;
    const QString a = entry(from);
    item(from)->setData(kFileRole, entry(to));
    item(to)->setData(kFileRole, a);
    refreshTexts();
    setCurrentRow(to);
}

// The item texts are what screen readers and searches see; the delegate
// draws the entries itself.
void TGridFileList::refreshTexts()
{
    for (int i = 0; i < count(); ++i)
        item(i)->setText(roundText(i) + entryText(item(i)->data(kFileRole).toString()));
}

void TGridFileList::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    dragged_ = event->button() == Qt::LeftButton ? indexAt(event->position().toPoint()).row() : -1;
}

void TGridFileList::mouseMoveEvent(QMouseEvent* event)
{
    if (dragged_ < 0 || !(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    const int over = indexAt(event->position().toPoint()).row();
    if (over >= 0 && over != dragged_) {
        exchange(dragged_, over);
        dragged_ = over;
    }
}

void TGridFileList::mouseReleaseEvent(QMouseEvent* event)
{
    dragged_ = -1;
    QListWidget::mouseReleaseEvent(event);
}

void TGridFileList::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() == Qt::ControlModifier && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        const int row = currentRow();
        exchange(row, event->key() == Qt::Key_Up ? row - 1 : row + 1);
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace lettrava
