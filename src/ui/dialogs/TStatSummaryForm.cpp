#include "ui/dialogs/TStatSummaryForm.h"

#include "core/game/Player.h"
#include "core/views/PlayerStats.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SharedPictures.h"
#include "ui/platform/GameText.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace lettrava {

namespace {

// Draws a cell: the background picture (outside the plain look), then the
// text without a background: the header row bold and underlined, the name
// column left-aligned with a 4-pixel indent, the last column centred, the
// others right-aligned.
class SummaryDelegate : public QStyledItemDelegate {
public:
    SummaryDelegate(QObject* parent, QPixmap background) : QStyledItemDelegate(parent), background_(std::move(background)) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        p->save();
        if (!lowColourDisplay() && !background_.isNull())
            p->drawTiledPixmap(option.rect, background_, option.rect.topLeft());
        QFont f = option.font;
        if (index.row() == 0) {
            f.setBold(true);
            f.setUnderline(true);
        }
        p->setFont(f);
        p->setPen(QColor(Qt::black));
        const int last = index.model()->columnCount() - 1;
        int align = Qt::AlignVCenter | Qt::AlignRight;
        QRect r = option.rect.adjusted(0, 0, -3, 0);
        if (index.column() == 0) {
            align = Qt::AlignVCenter | Qt::AlignLeft;
            r = option.rect.adjusted(4, 0, 0, 0);
        } else if (index.column() == last) {
            align = Qt::AlignCenter;
            r = option.rect;
        }
        p->drawText(r, align, index.data().toString());
        p->restore();
    }

private:
    QPixmap background_;
};

} // namespace

TStatSummaryForm::TStatSummaryForm(const std::vector<std::unique_ptr<Player>>& records, QWidget* parent)
    : QDialog(parent, Qt::Tool), scbStats_(new QScrollArea(this)), sgrStatSummary_(new QTableWidget(this))
{
    setObjectName(QStringLiteral("StatSummaryForm"));
    setWindowTitle(tr("Lettrava Stats"));
    imgBackground_ = SharedPictures::instance().woodA;

    const auto rows = PlayerStats::summaryRows(records);
    QTableWidget* t = sgrStatSummary_;
    t->setObjectName(QStringLiteral("sgrStatSummary"));
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->setShowGrid(true);
    t->setFrameShape(QFrame::NoFrame);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setItemDelegate(new SummaryDelegate(t, imgBackground_));
    QPalette pal = t->palette();
    pal.setColor(QPalette::Base, lowColourPanel());
    t->setPalette(pal);

    const int columns = static_cast<int>(PlayerStats::kSummaryHeaders.size());
    t->setColumnCount(columns);
    t->setRowCount(static_cast<int>(rows.size()) + 1);
    for (int c = 0; c < columns; ++c)
        t->setItem(0, c, new QTableWidgetItem(QLatin1String(PlayerStats::kSummaryHeaders[static_cast<std::size_t>(c)])));
    int r = 1;
    for (const auto& row : rows) {
        for (int c = 0; c < columns; ++c)
            t->setItem(r, c, new QTableWidgetItem(toQt(row[static_cast<std::size_t>(c)])));
        ++r;
    }

    // Column widths: 70 pixels, but the name and longest-word columns follow
    // their widest entry. The headers count as entries, so that neither is
    // cut off when every name or word is shorter.
    const QFontMetrics fm(t->font());
    QFont headerFont = t->font();
    headerFont.setBold(true);
    const QFontMetrics hm(headerFont);
    int widestName = hm.horizontalAdvance(QLatin1String(PlayerStats::kSummaryHeaders[0]));
    int widestLongest = hm.horizontalAdvance(QLatin1String(PlayerStats::kSummaryHeaders[6]));
    for (const auto& row : rows) {
        widestName = std::max(widestName, fm.horizontalAdvance(toQt(row[0])));
        widestLongest = std::max(widestLongest, fm.horizontalAdvance(toQt(row[6])));
    }
    int width = 0;
    for (int c = 0; c < columns; ++c) {
        int w = kColumnWidth;
        if (c == 0)
            w = static_cast<int>(std::lround(1.1 * widestName));
        else if (c == columns - 1)
            w = static_cast<int>(std::lround(1.2 * widestLongest));
        t->setColumnWidth(c, w);
        width += w;
    }
    const int height = t->rowCount() * rowHeight();
    t->setFixedSize(width, height);

    scbStats_->setObjectName(QStringLiteral("scbStats"));
    scbStats_->setWidget(t);
    scbStats_->setFrameShape(QFrame::NoFrame);
    scbStats_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scbStats_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scbStats_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int barWidth = scbStats_->verticalScrollBar()->sizeHint().width();
    scbStats_->setFixedSize(width + barWidth, std::min(height, kMaxScrollHeight));
    // Wood (plain pale yellow on a 256-colour display) shows round the grid.
    QPalette box = scbStats_->viewport()->palette();
    if (lowColourDisplay())
        box.setColor(QPalette::Window, lowColourPanel());
    else
        box.setBrush(QPalette::Window, QBrush(SharedPictures::instance().woodA));
    scbStats_->viewport()->setPalette(box);
    scbStats_->viewport()->setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(scbStats_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
}

int TStatSummaryForm::rowHeight() const { return sgrStatSummary_->verticalHeader()->defaultSectionSize(); }

QString TStatSummaryForm::cellText(int row, int column) const
{
    const QTableWidgetItem* item = sgrStatSummary_->item(row, column);
    return item ? item->text() : QString();
}

} // namespace lettrava
