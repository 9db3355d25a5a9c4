#pragma once

#include "net/TGameClient.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <vector>

namespace lettrava {

// The member list of a network game: one row per connected member, entry 0
// being the host. The connection window owns the one model; the main window's
// list box and the results window's show the same records.
class TMemberListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setMembers(std::vector<TGameClient> members);
    const std::vector<TGameClient>& members() const { return members_; }
    // The record of a row; none outside the list.
    const TGameClient* member(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    static constexpr int StatusRole = Qt::UserRole + 1;

private:
    std::vector<TGameClient> members_;
};

// Draws a member: the list's colour, the status picture (gavel for the
// host, ready, glasses while reading results, none while only connected) at
// two pixels from the left and the name at twenty. The selection is drawn
// as a frame only, so the pictures keep their look.
class TMemberDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kItemHeight = 16;

    // The picture of a status: none for a member that is only connected.
    static QPixmap statusPicture(std::uint8_t status);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The owner-drawn member list box (`lbxMembers`).
class TMemberListBox final : public QListView {
    Q_OBJECT
public:
    explicit TMemberListBox(QWidget* parent = nullptr);
    // The selected row, or -1.
    int selectedRow() const;
    void selectRow(int row);
};

// The colour of the chat memo and the member list.
inline const QColor kChatColour(231, 206, 165);

} // namespace lettrava
