#include "ui/factory/TFactoryMode.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/factory/TFactoryWordListForm.h"

#include "core/grid/CompSearchThread.h"
#include "core/grid/GridFile.h"
#include "core/grid/GridOptions.h"
#include "core/platform/Dialogs.h"
#include "core/platform/Paths.h"
#include "core/views/ResultsRules.h"
#include "core/words/Latin1.h"
#include "ui/board/TLetterBoard.h"
#include "ui/board/TLetterLabel.h"
#include "ui/platform/FileChooser.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/SharedPictures.h"
#include "ui/platform/WordLookup.h"
#include "ui/widgets/DrawnIcons.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/widgets/TFlashingLabel.h"
#include "ui/widgets/TUpDown.h"
#include "ui/widgets/TWordListBox.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/GameText.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace lettrava {

namespace {

const char* const kGridFilter = QT_TRANSLATE_NOOP("lettrava::TFactoryMode", "Lettrava Grids (*.GRD *.grd)");

QString gridFolder() { return pathToQt(Paths::writableFile("Lettrava.GRD").parent_path()); }

QFont boldComic(int points)
{
    QFont f(QStringLiteral("Comic Sans MS"), points);
    f.setBold(true);
    return f;
}

void ivoryText(QWidget* w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, lowColourDisplay() ? QColor(0, 0, 0) : QColor(255, 244, 214));
    w->setPalette(pal);
}

} // namespace

TFactoryMode::TFactoryMode(const Lent& lent, const Choices& choices) : QObject(lent.window), lent_(lent)
{
    buildMenus();
    buildSpeedBar();
    buildPanels();
    updMinimumWordLength_->setValue(std::clamp(choices.minWordLength, 3, 18));
    updMaximumWordLength_->setValue(std::clamp(choices.maxWordLength, 3, 18));
    chkAllowReuse_->setChecked(choices.allowReuse);
    actAllowReuse_->setChecked(choices.allowReuse);
    editor_.setSortOrder(choices.sortOrder);
    setShown(false);
    // The size spinners only make the solution stale; the size changes at
    // the next New, Random or Load.
    for (TUpDown* spinner : {lent_.columns, lent_.rows})
        connect(spinner, &QSpinBox::valueChanged, this, [this] {
            if (open_)
                editor_.settingsChanged();
        });
    for (QWidget* w : {static_cast<QWidget*>(lent_.columns), static_cast<QWidget*>(lent_.rows),
                       static_cast<QWidget*>(updMinimumWordLength_), static_cast<QWidget*>(updMaximumWordLength_),
                       static_cast<QWidget*>(chkAllowReuse_), static_cast<QWidget*>(lbxSolution_)})
        w->installEventFilter(this);
}

TFactoryMode::~TFactoryMode() = default;

TFactoryMode::Choices TFactoryMode::choices() const
{
    return {updMinimumWordLength_->value(), updMaximumWordLength_->value(), chkAllowReuse_->isChecked(),
            editor_.sortOrder()};
}

TFactoryMode::Choices TFactoryMode::storedChoices()
{
    return {SettingsStore::read(settings::FactoryMinWL), SettingsStore::read(settings::FactoryMaxWL),
            SettingsStore::read(settings::FactoryAllowReuse), SettingsStore::read(settings::FactorySort)};
}

void TFactoryMode::storeChoices() const
{
    const Choices c = choices();
    SettingsStore::write(settings::FactoryMinWL, c.minWordLength);
    SettingsStore::write(settings::FactoryMaxWL, c.maxWordLength);
    SettingsStore::write(settings::FactorySort, c.sortOrder);
    SettingsStore::write(settings::FactoryAllowReuse, c.allowReuse);
}

// ------------------------------------------------------------------ building

void TFactoryMode::buildMenus()
{
    QMenuBar* bar = lent_.menuBar;
    QMenu* grid = bar->addMenu(tr("&Grid"));
    grid->setObjectName(QStringLiteral("mnuFactoryGrid"));
    QAction* create = grid->addAction(tr("New"), this, [this] { newGrid(); });
    create->setObjectName(QStringLiteral("mnuFactoryNew"));
    QMenu* load = grid->addMenu(tr("Load"));
    QAction* file = load->addAction(tr("File"), this, [this] { loadGrid(); });
    file->setObjectName(QStringLiteral("mnuFactoryLoadFile"));
    file->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    QAction* random = load->addAction(tr("Random"), this, [this] { randomGrid(); });
    random->setObjectName(QStringLiteral("mnuFactoryLoadRandom"));
    random->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    QAction* save = grid->addAction(tr("Save"), this, [this] { saveGrid(); });
    save->setObjectName(QStringLiteral("mnuFactorySave"));
    grid->addSeparator();
    QAction* exitFactory = grid->addAction(tr("Exit Factory"), this, [this] { emit exitRequested(); });
    exitFactory->setObjectName(QStringLiteral("mnuFactoryExit"));
    QAction* quit = grid->addAction(tr("Exit Lettrava"), this, [this] { emit quitRequested(); });
    quit->setObjectName(QStringLiteral("mnuFactoryExitLettrava"));

    QAction* wordList = bar->addAction(tr("Word List"));
    wordList->setObjectName(QStringLiteral("mnuFactoryWordList"));
    connect(wordList, &QAction::triggered, this, [this] { showWordList(); });

    QMenu* options = bar->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuFactoryOptions"));
    actAllowReuse_ = options->addAction(tr("Allow Reuse"));
    actAllowReuse_->setObjectName(QStringLiteral("mnuFactoryAllowReuse"));
    actAllowReuse_->setCheckable(true);
    connect(actAllowReuse_, &QAction::triggered, this, [this] { chkAllowReuse_->toggle(); });
    options->addSeparator();
    const std::pair<const char*, std::function<QWidget*()>> focusTargets[] = {
        {QT_TR_NOOP("Columns"), [this] { return static_cast<QWidget*>(lent_.columns); }},
        {QT_TR_NOOP("Rows"), [this] { return static_cast<QWidget*>(lent_.rows); }},
        {QT_TR_NOOP("Min Word Length"), [this] { return static_cast<QWidget*>(updMinimumWordLength_); }},
        {QT_TR_NOOP("Max Word Length"), [this] { return static_cast<QWidget*>(updMaximumWordLength_); }},
    };
    for (const auto& [caption, target] : focusTargets)
        options->addAction(tr(caption), this, [target = target] { target()->setFocus(); });

    QAction* prefs = bar->addAction(tr("&Preferences"));
    prefs->setObjectName(QStringLiteral("mnuFactoryPreferences"));
    connect(prefs, &QAction::triggered, this, [this] { emit preferencesRequested(); });

    menuActions_ = {grid->menuAction(), wordList, options->menuAction(), prefs};
}

void TFactoryMode::buildSpeedBar()
{
    pnlSpeedBar_ = new TAdvancedPanel(lent_.window);
    pnlSpeedBar_->setObjectName(QStringLiteral("pnlFactorySpeedBar"));
    pnlSpeedBar_->setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::None, 1);
    auto* row = new QHBoxLayout(pnlSpeedBar_);
    row->setContentsMargins(6, 3, 6, 3);
    row->setSpacing(6);
    struct Button {
        const char* name;
        const char* text;
        const char* hint;
        std::function<void()> run;
    };
    const Button buttons[] = {
        {"sbtGridFactoryNew", QT_TR_NOOP("New"), QT_TR_NOOP("Start again with an empty grid"), [this] { newGrid(); }},
        {"sbtGridFactoryLoad", QT_TR_NOOP("Load"), QT_TR_NOOP("Load a grid from disk"), [this] { loadGrid(); }},
        {"sbtGridFactoryNewRandomGrid", QT_TR_NOOP("Random"), QT_TR_NOOP("Generate new grid with random letters"), [this] { randomGrid(); }},
        {"sbtGridFactorySave", QT_TR_NOOP("Save"), QT_TR_NOOP("Save grid to disk"), [this] { saveGrid(); }},
        {"sbtGridFactorySolveGrid", QT_TR_NOOP("Solve"), QT_TR_NOOP("Solve grid"), [this] { solve(); }},
    };
    for (const Button& b : buttons) {
        auto* button = new QToolButton(pnlSpeedBar_);
        button->setObjectName(QLatin1String(b.name));
        button->setText(tr(b.text));
        button->setToolTip(tr(b.hint));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, b.run);
        row->addWidget(button);
    }
    row->addStretch(1);
    pnlSpeedBar_->setStyleSheet(QStringLiteral("QToolButton { font-weight: bold; padding: 2px 6px; }"));
    if (!lowColourDisplay())
        pnlSpeedBar_->setWallpaper(SharedPictures::instance().woodA);
    lent_.bars->insertWidget(1, pnlSpeedBar_);
}

void TFactoryMode::buildPanels()
{
    const SharedPictures& pics = SharedPictures::instance();
    auto panel = [&](const char* name) {
        auto* p = new TAdvancedPanel(lent_.centre);
        p->setObjectName(QLatin1String(name));
        if (!lowColourDisplay())
            p->setWallpaper(pics.woodB);
        ivoryText(p);
        return p;
    };

    pnlWordLength_ = panel("pnlWordLength");
    auto* lengths = new QGridLayout(pnlWordLength_);
    lengths->setContentsMargins(12, 6, 12, 8);
    auto* title = new QLabel(tr("Word Length"), pnlWordLength_);
    title->setFont(boldComic(12));
    updMinimumWordLength_ = new TUpDown(3, 18, pnlWordLength_);
    updMinimumWordLength_->setObjectName(QStringLiteral("updMinimumWordLength"));
    updMaximumWordLength_ = new TUpDown(3, 18, pnlWordLength_);
    updMaximumWordLength_->setObjectName(QStringLiteral("updMaximumWordLength"));
    auto* minLabel = new QLabel(tr("Min"), pnlWordLength_);
    minLabel->setBuddy(updMinimumWordLength_);
    auto* maxLabel = new QLabel(tr("Max"), pnlWordLength_);
    maxLabel->setBuddy(updMaximumWordLength_);
    lengths->addWidget(title, 0, 0, 1, 5);
    lengths->addWidget(minLabel, 1, 0);
    lengths->addWidget(updMinimumWordLength_, 1, 1);
    lengths->addWidget(maxLabel, 1, 3);
    lengths->addWidget(updMaximumWordLength_, 1, 4);
    lengths->setColumnStretch(2, 1);
    connect(updMinimumWordLength_, &QSpinBox::valueChanged, this, [this] { lengthsChanged(); });
    connect(updMaximumWordLength_, &QSpinBox::valueChanged, this, [this] { lengthsChanged(); });

    pnlAllowReuse_ = panel("pnlAllowReuse");
    auto* reuse = new QHBoxLayout(pnlAllowReuse_);
    reuse->setContentsMargins(12, 6, 12, 6);
    chkAllowReuse_ = new QCheckBox(pnlAllowReuse_);
    chkAllowReuse_->setObjectName(QStringLiteral("chkAllowReuse"));
    auto* reuseLabel = new QLabel(tr("Allow reuse"), pnlAllowReuse_);
    reuseLabel->setFont(boldComic(12));
    reuseLabel->setBuddy(chkAllowReuse_);
    reuse->addWidget(chkAllowReuse_);
    reuse->addWidget(reuseLabel);
    reuse->addStretch(1);
    connect(chkAllowReuse_, &QCheckBox::toggled, this, [this] { reuseChanged(); });

    pnlSolution_ = panel("pnlSolution");
    auto* solution = new QVBoxLayout(pnlSolution_);
    solution->setContentsMargins(8, 6, 8, 6);
    auto* header = new QLabel(tr("Solution"), pnlSolution_);
    header->setFont(boldComic(12));
    lbxSolution_ = new TWordListBox(TWordListBox::Kind::Solution, pnlSolution_);
    lbxSolution_->setObjectName(QStringLiteral("lbxSolution"));
    lbxSolution_->applyFont(preferredWordListFont());
    lbxSolution_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* footer = new QHBoxLayout();
    auto* count = new QLabel(tr("Count:"), pnlSolution_);
    lblSolutionCount_ = new QLabel(pnlSolution_);
    lblSolutionCount_->setObjectName(QStringLiteral("lblSolutionCount"));
    footer->addWidget(count);
    footer->addWidget(lblSolutionCount_);
    footer->addStretch(1);
    solution->addWidget(header);
    solution->addWidget(lbxSolution_, 1);
    solution->addLayout(footer);
    connect(lbxSolution_, &TWordListBox::entrySelected, this, [this] {
        if (const LVWord* w = lbxSolution_->selectedWord())
            showWordPath(w->text);
    });

    popup_ = new QMenu(lbxSolution_);
    QMenu* lookup = popup_->addMenu(tr("Lookup"));
    lookup->addAction(tr("Local"), this, [this] {
        if (const LVWord* w = lbxSolution_->selectedWord())
            WordLookup::instance().lookUpLocally(toQt(w->text));
    });
    lookup->addAction(tr("Internet"), this, [this] {
        if (const LVWord* w = lbxSolution_->selectedWord())
            WordLookup::instance().lookUpOnInternet(toQt(w->text));
    });
    QMenu* sort = popup_->addMenu(tr("Sort Order"));
    const char* const orders[] = {QT_TRANSLATE_NOOP("Word order", "Alphabetically"),
                                  QT_TRANSLATE_NOOP("Word order", "Length Ascending"),
                                  QT_TRANSLATE_NOOP("Word order", "Length Descending")};
    for (int order = 1; order <= 3; ++order)
        sort->addAction(QCoreApplication::translate("Word order", orders[order - 1]), this, [this, order] { setSortOrder(order); });
    connect(lbxSolution_, &QWidget::customContextMenuRequested, this, [this, lookup](const QPoint& at) {
        lookup->menuAction()->setEnabled(lbxSolution_->selectedWord() != nullptr);
        popup_->popup(lbxSolution_->mapToGlobal(at));
    });
}

QList<QWidget*> TFactoryMode::sidePanels() const { return {pnlWordLength_, pnlAllowReuse_, pnlSolution_}; }

void TFactoryMode::setShown(bool shown)
{
    for (QAction* a : menuActions_)
        a->setVisible(shown);
    for (QWidget* w : std::initializer_list<QWidget*>{pnlSpeedBar_, pnlWordLength_, pnlAllowReuse_, pnlSolution_})
        w->setVisible(shown);
}

// ------------------------------------------------------------------ entering and leaving

void TFactoryMode::enter()
{
    open_ = true;
    setShown(true);
    lent_.columns->setEnabled(true);
    lent_.rows->setEnabled(true);
    lent_.board->setBlanks(TLetterBoard::Blanks::Tiled);
    lent_.board->setPressable(true);
    if (!caret_) {
        caret_ = new TFlashingLabel(lent_.board);
        caret_->setObjectName(QStringLiteral("lblFactoryCaret"));
        caret_->setText(QStringLiteral("|"));
        caret_->setAttribute(Qt::WA_TransparentForMouseEvents);
        caret_->setFlashRate(500);
        // Its own strong colour: the board's text colours belong to the letters.
        QPalette pal = caret_->palette();
        pal.setColor(QPalette::WindowText, QColor(200, 20, 20));
        caret_->setPalette(pal);
    }
    // New without the question: there is nothing to save yet.
    editor_.close();
    buildBoard();
    lent_.window->setFocus();
}

void TFactoryMode::leave()
{
    if (!open_)
        return;
    stopGenerating();
    if (wordList_)
        wordList_->hide();
    open_ = false;
    setShown(false);
    if (caret_) {
        caret_->setFlashing(false);
        caret_->hide();
    }
    lent_.board->clear();
    lent_.board->setBlanks(TLetterBoard::Blanks::Hidden);
    editor_.close();
    lbxSolution_->setWords({});
    lblSolutionCount_->clear();
}

// ------------------------------------------------------------------ the board

void TFactoryMode::stopGenerating()
{
    if (wordList_)
        wordList_->stopRun();
}

void TFactoryMode::buildBoard()
{
    stopGenerating();
    GridOptions& o = gridOptions();
    o.allowLetterReuse = chkAllowReuse_->isChecked();
    o.minWordLength = updMinimumWordLength_->value();
    o.maxWordLength = updMaximumWordLength_->value();
    editor_.newGrid(lent_.columns->value(), lent_.rows->value());
    lent_.board->build(*editor_.grid(), editor_.cursor().columns, editor_.cursor().rows);
    lent_.columns->setValue(editor_.cursor().columns);
    lent_.rows->setValue(editor_.cursor().rows);
    editor_.randomFilled(); // building clears both flags, whatever the spinners did
    lbxSolution_->setWords({});
    lblSolutionCount_->clear();
    if (wordList_)
        wordList_->setGrid(*editor_.grid());
    placeCaret();
}

void TFactoryMode::refreshLetters()
{
    const Grid* grid = editor_.grid();
    for (int c = 0; c < lent_.board->columns(); ++c)
        for (int r = 0; r < lent_.board->rows(); ++r)
            if (TLetterLabel* l = lent_.board->letterAt(c, r))
                l->setText(toQt(grid->letterAt(c + 1, r + 1)));
}

void TFactoryMode::placeCaret()
{
    if (!caret_ || !editor_.hasGrid())
        return;
    if (wordList_) {
        caret_->setFlashing(false);
        caret_->hide();
        return;
    }
    const GridCell& at = editor_.cursor();
    const QRect cell = lent_.board->cellRect(at.x, at.y);
    QFont f = lent_.board->boardFont();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() + 2);
    f.setBold(true);
    caret_->setFont(f);
    const QSize size = QFontMetrics(f).size(0, caret_->text()) + QSize(2, 0);
    caret_->setGeometry(cell.left() + cell.width() / 3, cell.center().y() - size.height() / 2 + 1, size.width(),
                        size.height());
    caret_->show();
    caret_->raise();
    caret_->setFlashing(true);
}

void TFactoryMode::cellPressed(int column, int row)
{
    if (!open_)
        return;
    editor_.pressCell(column, row);
    placeCaret();
}

bool TFactoryMode::keyPressed(QKeyEvent* event)
{
    if (!open_ || !editor_.hasGrid())
        return false;
    SimpleGridCell written;
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        lent_.window->setFocus();
        return true;
    }
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (key) {
    case Qt::Key_Delete: written = editor_.deleteKey(); break;
    case Qt::Key_Backspace: written = editor_.backspaceKey(); break;
    case Qt::Key_Left: editor_.move(FactoryEditor::Move::Left); break;
    case Qt::Key_Right: editor_.move(FactoryEditor::Move::Right); break;
    case Qt::Key_Up: editor_.move(FactoryEditor::Move::Up); break;
    case Qt::Key_Down: editor_.move(FactoryEditor::Move::Down); break;
    default: {
        // The letter typed (any the program's letters hold), else the key's own letter.
        const std::string typed = toBytes(event->text());
        char letter = 0;
        if (key == Qt::Key_Space)
            letter = ' ';
        else if (typed.size() == 1 && latin1::isLetter(typed[0]))
            letter = typed[0];
        else if (key >= Qt::Key_A && key <= Qt::Key_Z)
            letter = static_cast<char>('A' + (key - Qt::Key_A));
        else if (key >= Qt::Key_Agrave && key <= Qt::Key_ydiaeresis && latin1::isLetter(static_cast<char>(key)))
            letter = static_cast<char>(key);
        if (letter == 0)
            return false;
        written = editor_.typeKey(letter);
        break;
    }
    }
    if (!written.empty())
        if (TLetterLabel* l = lent_.board->letterAt(written.x, written.y))
            l->setText(toQt(editor_.grid()->letterAt(written.x + 1, written.y + 1)));
    placeCaret();
    return true;
}

bool TFactoryMode::eventFilter(QObject* watched, QEvent* event)
{
    // Tab leaves every control of the factory; the grid takes the keys again.
    if (open_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return keyPressed(key);
    }
    return QObject::eventFilter(watched, event);
}

// ------------------------------------------------------------------ commands

bool TFactoryMode::askToSaveChanges()
{
    if (!editor_.modified())
        return true;
    switch (dialogs().showMessage(toBytes(tr("Do you want to save the grid?")), toBytes(tr("Confirm")), MessageButtons::YesNoCancel,
                                  MessageIcon::Warning)) {
    case MessageAnswer::Yes: saveGrid(); return true;
    case MessageAnswer::No: return true;
    default: return false;
    }
}

bool TFactoryMode::newGrid()
{
    if (!open_ || !askToSaveChanges())
        return false;
    buildBoard();
    return true;
}

bool TFactoryMode::randomGrid()
{
    if (!open_ || !askToSaveChanges())
        return false;
    lbxSolution_->setWords({});
    lblSolutionCount_->clear();
    // A new size first builds a new grid, which asks again while the grid
    // is still marked changed (a No above keeps the mark).
    const GridCell& at = editor_.cursor();
    if ((lent_.columns->value() != at.columns || lent_.rows->value() != at.rows) && !newGrid())
        return false;
    stopGenerating();
    editor_.grid()->randomFill();
    refreshLetters();
    editor_.randomFilled();
    clearHighlight();
    return true;
}

bool TFactoryMode::loadGrid()
{
    if (!open_ || !askToSaveChanges())
        return false;
    const QString file = chooseOpenFile(lent_.window, tr("Load Lettrava Grid"), gridFolder(),
                                        tr(kGridFilter) + tr(";;Any file (*)"));
    if (file.isEmpty())
        return false;
    WaitCursor wait;
    buildBoard();
    auto loaded = std::make_unique<Grid>(false);
    if (!loadGridFile(*loaded, qtToPath(file))) {
        dialogs().showMessage(toBytes(tr("Unable to load grid.")), toBytes(tr("Error")), MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    // The file's size, lengths and reuse take over the panels.
    const GridOptions& o = gridOptions();
    editor_.takeGrid(*loaded, o.gridColumns, o.gridRows);
    if (wordList_)
        wordList_->setGrid(*editor_.grid());
    lent_.board->build(*editor_.grid(), o.gridColumns, o.gridRows);
    lent_.columns->setValue(o.gridColumns);
    lent_.rows->setValue(o.gridRows);
    const bool reuse = o.allowLetterReuse;
    const int minLength = o.minWordLength;
    const int maxLength = o.maxWordLength;
    chkAllowReuse_->setChecked(reuse);
    updMinimumWordLength_->setValue(minLength);
    updMaximumWordLength_->setValue(maxLength);
    editor_.randomFilled(); // a board just built: nothing changed, nothing solved
    placeCaret();
    return true;
}

void TFactoryMode::saveGrid()
{
    if (!open_ || !editor_.hasGrid())
        return;
    const QString file = chooseSaveFile(lent_.window, tr("Save Lettrava Grid"), gridFolder(),
                                        tr(kGridFilter), QStringLiteral("GRD"));
    if (file.isEmpty())
        return;
    if (!saveGridFile(*editor_.grid(), qtToPath(file)))
        dialogs().showMessage(toBytes(tr("Unable to save grid to disk.")), toBytes(tr("Error")), MessageButtons::Ok,
                              MessageIcon::Error);
    editor_.saved();
}

void TFactoryMode::solve()
{
    if (!open_ || !editor_.hasGrid() || editor_.solutionCurrent())
        return;
    WaitCursor wait;
    lblSolutionCount_->clear();
    CompSearchThread solver(editor_.grid());
    solver.start();
    solver.waitFor();
    editor_.solved(ResultsRules::solutionWords(&solver));
    showSolution();
    clearHighlight();
}

void TFactoryMode::showWordList()
{
    if (!open_ || !editor_.hasGrid())
        return;
    if (!wordList_) {
        wordList_ = new TFactoryWordListForm(*editor_.grid(), lent_.window);
        wordList_->prepareGrid = [this] {
            const GridCell& at = editor_.cursor();
            return (lent_.columns->value() == at.columns && lent_.rows->value() == at.rows) || newGrid();
        };
        wordList_->onImproved = [this] {
            refreshLetters();
            editor_.settingsChanged(); // the solution belongs to the grid before
        };
    }
    placeCaret();
    wordList_->show();
    wordList_->raise();
}

void TFactoryMode::setSortOrder(int order)
{
    editor_.setSortOrder(order);
    showSolution();
}

void TFactoryMode::showSolution()
{
    lbxSolution_->setWords(editor_.solution());
    lblSolutionCount_->setText(QString::number(editor_.solution().size()));
}

void TFactoryMode::showWordPath(const std::string& word)
{
    if (!editor_.hasGrid())
        return;
    PathTable path;
    path.fill(GridCell());
    editor_.grid()->tracePath(word, path);
    for (int c = 0; c < lent_.board->columns(); ++c)
        for (int r = 0; r < lent_.board->rows(); ++r) {
            const bool on = std::any_of(path.begin(), path.end(),
                                        [&](const GridCell& p) { return !p.empty() && p.x == c && p.y == r; });
            lent_.board->setCellStyle(c, r, on ? QColor(Qt::blue) : QColor(Qt::black), on);
        }
    // And the order the word takes them in.
    std::vector<QPoint> order;
    for (const GridCell& p : path)
        if (!p.empty())
            order.emplace_back(p.x, p.y);
    lent_.board->setPath(order);
}

void TFactoryMode::clearHighlight()
{
    for (int c = 0; c < lent_.board->columns(); ++c)
        for (int r = 0; r < lent_.board->rows(); ++r)
            lent_.board->setCellStyle(c, r, QColor(Qt::black), false);
    lent_.board->setPath({});
}

// ------------------------------------------------------------------ option controls

void TFactoryMode::lengthsChanged()
{
    const auto [maximum, beep] =
        FactoryEditor::checkedMaximum(updMinimumWordLength_->value(), updMaximumWordLength_->value());
    if (beep) {
        QApplication::beep();
        updMaximumWordLength_->setValue(maximum);
        return; // the correction comes back here
    }
    if (editor_.hasGrid()) {
        gridOptions().minWordLength = updMinimumWordLength_->value();
        gridOptions().maxWordLength = updMaximumWordLength_->value();
    }
    editor_.settingsChanged();
}

void TFactoryMode::reuseChanged()
{
    if (editor_.hasGrid())
        gridOptions().allowLetterReuse = chkAllowReuse_->isChecked();
    actAllowReuse_->setChecked(chkAllowReuse_->isChecked());
    editor_.settingsChanged();
}

} // namespace lettrava
