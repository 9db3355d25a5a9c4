#include "ui/net/TMemberList.h"

#include "ui/platform/GameText.h"

#include <QPainter>

namespace lettrava {

void TMemberListModel::setMembers(std::vector<TGameClient> members)
{
    beginResetModel();
    members_ = std::move(members);
    endResetModel();
}

const TGameClient* TMemberListModel::member(int row) const
{
    if (row < 0 || row >= static_cast<int>(members_.size()))
        return nullptr;
    return &members_[static_cast<std::size_t>(row)];
}

int TMemberListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(members_.size());
}

QVariant TMemberListModel::data(const QModelIndex& index, int role) const
{
    const TGameClient* m = member(index.row());
    if (!m)
        return {};
    if (role == Qt::DisplayRole)
        return toQt(m->name);
    if (role == StatusRole)
        return static_cast<int>(m->status);
    return {};
}

QPixmap TMemberDelegate::statusPicture(std::uint8_t status)
{
    switch (status) {
    case MemberStatus::Host: return QPixmap(QStringLiteral(":/pictures/gavel.png"));
    case MemberStatus::Ready: return QPixmap(QStringLiteral(":/pictures/ready.png"));
    case MemberStatus::ViewingResults: return QPixmap(QStringLiteral(":/pictures/glasses.png"));
    default: return {};
    }
}

void TMemberDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect r = option.rect;
    painter->save();
    painter->fillRect(r, kChatColour);
    const QPixmap picture = statusPicture(static_cast<std::uint8_t>(index.data(TMemberListModel::StatusRole).toInt()));
    if (!picture.isNull())
        painter->drawPixmap(r.left() + 2, r.top(), picture);
    painter->setPen(QColor(Qt::black));
    painter->setFont(option.font);
    painter->drawText(r.adjusted(20, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(QColor(90, 60, 30), 1, Qt::DotLine));
        painter->drawRect(r.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QSize TMemberDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize s = QStyledItemDelegate::sizeHint(option, index);
    return {s.width() + 20, kItemHeight};
}

TMemberListBox::TMemberListBox(QWidget* parent) : QListView(parent)
{
    setObjectName(QStringLiteral("lbxMembers"));
    setItemDelegate(new TMemberDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, kChatColour);
    setPalette(pal);
    setAutoFillBackground(true);
}

int TMemberListBox::selectedRow() const
{
    const QModelIndex i = currentIndex();
    if (!i.isValid() || !selectionModel() || !selectionModel()->isSelected(i))
        return -1;
    return i.row();
}

void TMemberListBox::selectRow(int row)
{
    if (!model())
        return;
    const QModelIndex i = model()->index(row, 0);
    if (i.isValid())
        setCurrentIndex(i);
    else
        clearSelection();
}

} // namespace lettrava
