#include "ui/factory/TFactoryWordListForm.h"

#include "core/grid/GeneratedGrid.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "core/platform/FileUtil.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SharedPictures.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "core/words/Latin1.h"
#include "ui/platform/GameText.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace lettrava {

namespace {

// A word list file is a list of words: anything larger is not one.
constexpr qint64 kMaxListFile = 16 * 1024 * 1024;

// The mark beside an entry that the grid holds: a green tick.
QPixmap placedMark(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(size * 0.15, size * 0.55);
    tick.lineTo(size * 0.42, size * 0.82);
    tick.lineTo(size * 0.88, size * 0.2);
    p.setPen(QPen(QColor(20, 140, 40), std::max(2.0, size / 6.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return pm;
}

class PlacedDelegate : public QStyledItemDelegate {
public:
    explicit PlacedDelegate(TFactoryWordListForm* form) : QStyledItemDelegate(form), form_(form) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        p->save();
        p->fillRect(option.rect, selected ? option.palette.color(QPalette::Highlight) : option.palette.color(QPalette::Base));
        const int markSize = option.rect.height();
        if (form_->entryPlaced(index.row()))
            p->drawPixmap(option.rect.left(), option.rect.top(), placedMark(markSize));
        p->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        p->drawText(option.rect.adjusted(markSize + 2, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                    index.data().toString());
        p->restore();
    }

private:
    TFactoryWordListForm* form_;
};

} // namespace

TFactoryWordListForm::TFactoryWordListForm(GeneratedGrid& grid, QWidget* mainWindow)
    : QDialog(mainWindow), grid_(&grid)
{
    setObjectName(QStringLiteral("FactoryWordListForm"));
    setWindowTitle(tr("Grid Factory Word List"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* info = new TAdvancedPanel(this);
    info->setObjectName(QStringLiteral("pnlInformation"));
    auto* grid_layout = new QGridLayout(info);
    const auto row = [&](int r, const char* caption, const char* name) {
        grid_layout->addWidget(new QLabel(tr(caption), info), r, 0);
        auto* value = new QLabel(info);
        value->setObjectName(QLatin1String(name));
        grid_layout->addWidget(value, r, 1);
        return value;
    };
    lblWordListLength_ = row(0, QT_TR_NOOP("Word list length:"), "lblWordListLength");
    lblWordsPlaced_ = row(1, QT_TR_NOOP("Words Placed:"), "lblWordsPlaced");
    lblElapsedSearchTime_ = row(2, QT_TR_NOOP("Search time:"), "lblElapsedSearchTime");
    lblGenerations_ = row(3, QT_TR_NOOP("Generations:"), "lblGenerations");
    grid_layout->setColumnStretch(1, 1);
    outer->addWidget(info);

    lbxWords_ = new QListWidget(this);
    lbxWords_->setObjectName(QStringLiteral("lbxWords"));
    lbxWords_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbxWords_->setItemDelegate(new PlacedDelegate(this));
    lbxWords_->setContextMenuPolicy(Qt::CustomContextMenu);
    outer->addWidget(lbxWords_, 1);

    auto* buttons = new TAdvancedPanel(this);
    buttons->setObjectName(QStringLiteral("pnlButtons"));
    auto* row2 = new QHBoxLayout(buttons);
    const auto button = [&](const char* caption, const char* name, void (TFactoryWordListForm::*slot)()) {
        auto* b = new QPushButton(tr(caption), buttons);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        row2->addWidget(b);
        return b;
    };
    btnGenerateGrid_ = button(QT_TR_NOOP("Generate Grid"), "btnGenerateGrid", &TFactoryWordListForm::generateGrid);
    btnPause_ = button(QT_TR_NOOP("Pause"), "btnPause", &TFactoryWordListForm::togglePause);
    btnStop_ = button(QT_TR_NOOP("Stop"), "btnStop", &TFactoryWordListForm::stopRun);
    btnClose_ = new QPushButton(tr("Close"), buttons);
    btnClose_->setObjectName(QStringLiteral("btnClose"));
    btnClose_->setAutoDefault(false);
    connect(btnClose_, &QPushButton::clicked, this, &QWidget::close);
    row2->addWidget(btnClose_);
    outer->addWidget(buttons);
    btnPause_->setEnabled(false);
    btnStop_->setEnabled(false);

    const bool low = lowColourDisplay();
    for (TAdvancedPanel* p : {info, buttons}) {
        if (!low)
            p->setWallpaper(SharedPictures::instance().woodA);
    }

    popup_ = new QMenu(this);
    QAction* add = popup_->addAction(tr("Add"), this, &TFactoryWordListForm::addWord);
    QAction* del = popup_->addAction(tr("Delete"), this, &TFactoryWordListForm::deleteSelected);
    QAction* all = popup_->addAction(tr("Select All"), this, &TFactoryWordListForm::selectAll);
    QAction* clear = popup_->addAction(tr("Clear"), this, &TFactoryWordListForm::clearList);
    popup_->addAction(tr("Load"), this, &TFactoryWordListForm::loadList);
    (void)add;
    connect(lbxWords_, &QWidget::customContextMenuRequested, this, [this, del, all, clear](const QPoint& at) {
        del->setEnabled(!lbxWords_->selectedItems().isEmpty());
        all->setEnabled(lbxWords_->count() > 0);
        clear->setEnabled(lbxWords_->count() > 0);
        popup_->popup(lbxWords_->mapToGlobal(at));
    });

    turn_ = new QTimer(this);
    connect(turn_, &QTimer::timeout, this, &TFactoryWordListForm::runOneGeneration);

    // Where it was, or right of the main window with the main window's height.
    const GamePreferences* prefs = GamePreferences::instance();
    const int top = prefs ? prefs->factoryWordListTop() : 0;
    const int left = prefs ? prefs->factoryWordListLeft() : 0;
    folder_ = prefs ? prefs->factoryWordListDir() : QString();
    resize(300, 420);
    if (top == 0 && left == 0 && mainWindow) {
        const QRect main = mainWindow->frameGeometry();
        move(main.right() + 1, main.top());
        resize(width(), mainWindow->height());
    } else {
        move(left, top);
    }
    listChanged();
}

TFactoryWordListForm::~TFactoryWordListForm()
{
    if (GamePreferences* prefs = GamePreferences::instance())
        prefs->saveFactoryWordListSettings(y(), x(), folder_);
}

void TFactoryWordListForm::setGrid(GeneratedGrid& grid)
{
    stopRun();
    grid_ = &grid;
    lbxWords_->viewport()->update();
}

// ------------------------------------------------------------------ the list

std::vector<std::string> TFactoryWordListForm::words() const
{
    std::vector<std::string> out;
    for (int i = 0; i < lbxWords_->count(); ++i)
        out.push_back(toBytes(lbxWords_->item(i)->text()));
    return out;
}

void TFactoryWordListForm::setWords(const std::vector<std::string>& words)
{
    lbxWords_->clear();
    for (const std::string& w : words)
        lbxWords_->addItem(toQt(w));
    listChanged();
}

void TFactoryWordListForm::listChanged()
{
    lblWordListLength_->setText(QString::number(lbxWords_->count()));
    btnGenerateGrid_->setEnabled(lbxWords_->count() > 0);
}

bool TFactoryWordListForm::entryPlaced(int row) const
{
    if (!grid_ || row < 0 || row >= lbxWords_->count())
        return false;
    return grid_->traceWord(toBytes(lbxWords_->item(row)->text()));
}

void TFactoryWordListForm::addWord()
{
    for (;;) {
        bool ok = false;
        const QString input = QInputDialog::getText(this, tr("Enter a word"), tr("Word"),
                                                    QLineEdit::Normal, QString(), &ok);
        if (!ok)
            return;
        std::string error;
        const std::string word = WordList::wordToAdd(toBytes(input), words(), error);
        if (word.empty())
            return;
        if (error.empty()) {
            lbxWords_->addItem(toQt(word));
            listChanged();
            return;
        }
        dialogs().showMessage(error, toBytes(tr("Error")), MessageButtons::Ok, MessageIcon::Error);
    }
}

void TFactoryWordListForm::deleteSelected()
{
    WaitCursor wait;
    std::vector<int> rows;
    for (const QModelIndex& i : lbxWords_->selectionModel()->selectedRows())
        rows.push_back(i.row());
    std::sort(rows.rbegin(), rows.rend());
    for (int r : rows)
        delete lbxWords_->takeItem(r);
    listChanged();
}

void TFactoryWordListForm::selectAll() { lbxWords_->selectAll(); }

void TFactoryWordListForm::clearList()
{
    lbxWords_->clear();
    listChanged();
}

void TFactoryWordListForm::loadList()
{
    const QString file = chooseOpenFile(this, tr("Open word list file"), folder_,
                                        tr("Text files (*.txt);;Any file (*)"));
    if (file.isEmpty())
        return;
    WaitCursor wait;
    clearList();
    folder_ = QFileInfo(file).absolutePath();
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        dialogs().reportError(toBytes(tr("Cannot open file \"%1\". %2").arg(file, in.errorString())));
        return;
    }
    if (in.size() > kMaxListFile) {
        dialogs().reportError(toBytes(tr("The file \"%1\" is too large to be a word list.").arg(file)));
        return;
    }
    const QByteArray bytes = in.read(kMaxListFile);
    // A list may be saved as UTF-8 (as most editors do) or as single bytes;
    // text that is not well-formed UTF-8 is taken as single bytes.
    const std::string raw(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    setWords(WordList::wordsFromText(latin1::fromUtf8(raw).value_or(raw)));
}

// ------------------------------------------------------------------ the run

bool TFactoryWordListForm::running() const { return run_ && run_->running(); }

void TFactoryWordListForm::generateGrid()
{
    if (lbxWords_->count() == 0 || !grid_)
        return;
    stopRun();
    // The grid the run breeds has the size the designer's spinners show, as
    // Random's grid would.
    if (prepareGrid && !prepareGrid())
        return;
    // The run starts from a blank grid of the designer's size.
    const GridOptions& o = gridOptions();
    for (int c = 1; c <= o.gridColumns; ++c)
        for (int r = 1; r <= o.gridRows; ++r)
            grid_->setLetter(c, r, ' ');
    run_ = std::make_unique<GeneratorRun>(words(), *grid_);
    run_->onImproved([this] {
        if (onImproved)
            onImproved();
        lbxWords_->viewport()->update();
    });
    btnPause_->setEnabled(true);
    btnStop_->setEnabled(true);
    btnPause_->setText(tr("Pause"));
    showRunLabels();
    if (onImproved)
        onImproved(); // the blank start shows on the board
    turn_->start(0);
}

void TFactoryWordListForm::runOneGeneration()
{
    if (!run_ || !run_->running()) {
        runEnded();
        return;
    }
    // While paused the labels stand still, the clock among them.
    if (!run_->paused()) {
        run_->runOneGeneration();
        showRunLabels();
    }
    if (!run_->running())
        runEnded();
}

void TFactoryWordListForm::showRunLabels()
{
    if (!run_)
        return;
    lblGenerations_->setText(QString::number(run_->generations()));
    lblWordsPlaced_->setText(toQt(run_->wordsPlacedText()));
    lblElapsedSearchTime_->setText(toQt(run_->elapsedText()));
}

void TFactoryWordListForm::togglePause()
{
    if (!running())
        return;
    run_->togglePause();
    btnPause_->setText(run_->paused() ? tr("Resume") : tr("Pause"));
    // A paused run only looks every so often whether it goes on.
    turn_->setInterval(run_->paused() ? 200 : 0);
}

void TFactoryWordListForm::stopRun()
{
    if (run_)
        run_->stop();
    runEnded();
}

void TFactoryWordListForm::runEnded()
{
    turn_->stop();
    turn_->setInterval(0);
    if (run_ && run_->paused())
        run_->resume();
    btnPause_->setEnabled(false);
    btnStop_->setEnabled(false);
    btnPause_->setText(tr("Pause"));
}

bool TFactoryWordListForm::confirmStop()
{
    if (!running())
        return true;
    if (dialogs().showMessage(toBytes(tr("Do you want to stop the grid generation process?")), toBytes(tr("Confirm")),
                              MessageButtons::YesNo,
                              MessageIcon::Warning) != MessageAnswer::Yes)
        return false;
    stopRun();
    return true;
}

void TFactoryWordListForm::closeEvent(QCloseEvent* event)
{
    if (!confirmStop()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace lettrava
