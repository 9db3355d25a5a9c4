#include "ui/dialogs/TRRForm.h"

#include "ui/board/TLetterLabel.h"
#include "ui/board/TLetterBoard.h"
#include "ui/platform/ScreenPlace.h"

#include "core/game/Game.h"
#include "core/game/Player.h"
#include "core/game/Round.h"
#include "core/grid/Grid.h"
#include "core/platform/Dialogs.h"
#include "core/views/ResultsRules.h"
#include "core/words/Dictionary.h"
#include "ui/platform/GamePreferences.h"
#include "ui/platform/LowColour.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/platform/SharedPictures.h"
#include "ui/dialogs/TAddWordForm.h"
#include "ui/net/TChatPanel.h"
#include "ui/widgets/TAdvancedPanel.h"
#include "ui/dialogs/THelpForm.h"
#include "ui/dialogs/TPlayerStatsForm.h"
#include "ui/dialogs/TResultsMenus.h"
#include "ui/dialogs/TRoundScoreTable.h"
#include "ui/widgets/TWordListBox.h"
#include "ui/widgets/WindowParts.h"
#include "ui/platform/WordLookup.h"
#include "ui/platform/GameText.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace lettrava {

namespace {

// The room around the results' board, and the top of the bonus line.
constexpr int kGridMargin = 12;
constexpr int kBonusTop = 4;
constexpr int kMaxCells = Grid::kMaxInterior;

QString latin1(const std::string& s) { return toQt(s); }

QLabel* textLabel(const QString& text, QWidget* parent, const char* name = nullptr)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

// A header or footer: a navy-in-plain-look panel with yellow text.
TAdvancedPanel* headerPanel(QWidget* parent, QLabel*& label, const QString& text)
{
    auto* panel = new TAdvancedPanel(parent);
    panel->setRole(TAdvancedPanel::Role::Header);
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    panel->setBevels(TAdvancedPanel::Bevel::Raised, TAdvancedPanel::Bevel::None, 1);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 2, 6, 2);
    label = textLabel(text, panel);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label->setPalette(pal);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    layout->addWidget(label);
    return panel;
}

} // namespace

TRRForm::TRRForm(bool chatVisible, Game& game, Round& round, QWidget* parent)
    : QDialog(parent), game_(game), round_(round), chatVisible_(chatVisible)
{
    WaitCursor wait;
    setObjectName(QStringLiteral("RRForm"));
    setWindowTitle(toQt(ResultsRules::title(game.currentRound, game.roundsPerGame)));
    setWindowIcon(SharedPictures::instance().appIcon);

    playerCount_ = std::clamp(game.playerCount, 0, 4);
    for (int i = 0; i < playerCount_; ++i)
        players_[static_cast<std::size_t>(i)] = game.playerAt(i);
    columns_ = std::clamp(Grid::columns(), 0, kMaxCells);
    rows_ = std::clamp(Grid::rows(), 0, kMaxCells);
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->geometry().height() < 768)
        scale_ = 0.9;

    const GamePreferences* prefs = GamePreferences::instance();
    solutionShown_ = prefs ? prefs->solutionVisible() : SettingsStore::read(settings::SolutionVisible);
    solutionOrder_ = std::clamp(prefs ? prefs->solutionSortOrder() : SettingsStore::read(settings::SolutionSortOrder), 0, 3);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    menus_ = new TResultsMenus(*this);
    outer->setMenuBar(menus_->menuBar());

    auto* row = new QHBoxLayout;
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(4);
    outer->addLayout(row);

    leftColumn_ = new QWidget(this);
    auto* left = new QVBoxLayout(leftColumn_);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(buildPlayerPanel(0));
    left->addWidget(buildPlayerPanel(2));
    row->addWidget(leftColumn_);

    auto* centre = new QVBoxLayout;
    centre->addWidget(buildScorePanel());
    if (chatVisible_) {
        // The chat sits under the grid, with a handle between them.
        auto* split = new QSplitter(Qt::Vertical, this);
        split->setObjectName(QStringLiteral("splRRChat"));
        split->setChildrenCollapsible(false);
        split->addWidget(buildGridPanel());
        chat_ = new TChatPanel(TChatPanel::Place::ResultsWindow, split);
        chat_->setMinimumSize(380, 140);
        chat_->setMemberListShown(prefs ? prefs->memberListVisible() : SettingsStore::read(settings::RRMemberList));
        split->addWidget(chat_);
        centre->addWidget(split, 1);
    } else {
        centre->addWidget(buildGridPanel(), 1);
    }
    row->addLayout(centre, 1);

    rightColumn_ = new QWidget(this);
    auto* right = new QVBoxLayout(rightColumn_);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(buildPlayerPanel(1));
    right->addWidget(buildPlayerPanel(3));
    row->addWidget(rightColumn_);
    row->addWidget(buildSolutionPanel());

    menus_->buildPopup();

    // Every present player's list, header, score row and menu.
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const Player* p = players_[s];
        playerPanels_[s]->setVisible(p != nullptr);
        menus_->showPlayer(i, p);
        if (p)
            lists_[s]->setWords(p->words);
    }
    // Player 1's list starts in the order chosen in the preferences.
    if (players_[0])
        lists_[0]->sortBy(prefs ? prefs->defaultSortOrder() : SettingsStore::read(settings::SortOrder));
    // The menus' "Add Word" follows each list's first, selected entry from the start.
    for (int i = 0; i < static_cast<int>(players_.size()); ++i)
        if (players_[static_cast<std::size_t>(i)])
            updateAddWord(i);
    rightColumn_->setVisible(playerCount_ > 1);
    leftColumn_->setVisible(playerCount_ > 0);

    applyFonts();
    applyColours();

    if (!round_.bonusWord.empty()) {
        lblBonus_->show();
        lblBonusWord_->setText(latin1(round_.bonusWord));
        lblBonusWord_->show();
    }
    setSolutionShown(solutionShown_);

    menus_->showLookups(Dictionary::instance());

    placeWindowAtStart(prefs);
    openingPath();
}

void TRRForm::placeWindowAtStart(const GamePreferences* prefs)
{
    // Where the user left the window last; the first time, over the main
    // window (hidden meanwhile) at its size. Wholly on a screen either way:
    // a place on no screen would show nothing at all.
    const QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    QRect place;
    if (prefs && prefs->resultsPlaced())
        place = prefs->resultsPlace();
    else if (main)
        place = main->geometry();
    else
        place = QRect(QPoint(SettingsStore::read(settings::RRLeft), SettingsStore::read(settings::RRTop)), QSize());
    resize(place.size().isValid() && !place.isEmpty() ? place.size().expandedTo(minimumSizeHint()) : sizeHint());
    placeWindow(*this, place.topLeft());
}

void TRRForm::openingPath()
{
    // The board shows the path of the word marked in the window: the bonus
    // word, with no list entry marked, or else player 1's first entry. The
    // solution list's own selection would claim another word.
    lbxSolution_->clearSelection();
    if (!round_.bonusWord.empty()) {
        for (TWordListBox* list : lists_)
            if (list)
                list->clearSelection();
        for (int i = 0; i < 4; ++i)
            if (players_[static_cast<std::size_t>(i)])
                updateAddWord(i);
        highlightWord(round_.bonusWord);
    } else if (const LVWord* first = players_[0] ? lists_[0]->selectedWord() : nullptr) {
        highlightWord(first->text);
    }
}

TRRForm::~TRRForm()
{
    if (GamePreferences* prefs = GamePreferences::instance()) {
        prefs->setResultsPlace(QRect(pos(), size()));
        prefs->setSolutionVisible(solutionShown_);
        prefs->setSolutionSortOrder(solutionOrder_);
    }
    WordLookup::instance().closeLocalLookup();
}

// ------------------------------------------------------------------ building

QWidget* TRRForm::buildPlayerPanel(int slot)
{
    const auto s = static_cast<std::size_t>(slot);
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlPlayer%1").arg(slot + 1));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QLabel* name = nullptr;
    const Player* p = players_[s];
    TAdvancedPanel* header = headerPanel(panel, name, p ? latin1(p->name) : QString());
    name->setObjectName(QStringLiteral("lblPlayerName%1").arg(slot + 1));
    headers_.push_back(header);
    layout->addWidget(header);

    auto* list = new TWordListBox(TWordListBox::Kind::Player, panel);
    list->setObjectName(QStringLiteral("lbxPlayer%1").arg(slot + 1));
    list->setFixedWidth(150);
    list->setMinimumHeight(static_cast<int>(std::lround(230 * scale_)));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &TWordListBox::entrySelected, this, [this, list] { entrySelected(list); });
    connect(list, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& pos) { popupAt(list, list->viewport()->mapToGlobal(pos)); });
    layout->addWidget(list, 1);
    lists_[s] = list;
    playerPanels_[s] = panel;
    return panel;
}

QWidget* TRRForm::buildScorePanel()
{
    auto* scores = new TRoundScoreTable(players_, this);
    connect(scores, &TRoundScoreTable::longestWordClicked, this, [this](int slot) {
        const Player* q = players_[static_cast<std::size_t>(slot)];
        if (q && ResultsRules::longestWordTraceable(*q))
            highlightWord(q->longestThisGame);
    });
    connect(scores, &TRoundScoreTable::popupRequested, this, &TRRForm::popupAt);
    return scores;
}

QWidget* TRRForm::buildGridPanel()
{
    pnlGrid_ = new TAdvancedPanel(this);
    pnlGrid_->setObjectName(QStringLiteral("pnlGrid"));
    pnlGrid_->setRole(TAdvancedPanel::Role::Header);
    pnlGrid_->setBevels(TAdvancedPanel::Bevel::Lowered, TAdvancedPanel::Bevel::None, 2);

    lblBonus_ = new TClickLabel(tr("Bonus:"), pnlGrid_);
    lblBonus_->setObjectName(QStringLiteral("lblBonus"));
    lblBonusWord_ = new TClickLabel(QString(), pnlGrid_);
    lblBonusWord_->setObjectName(QStringLiteral("lblBonusWord"));
    lblBonusWord_->setTextFormat(Qt::PlainText);
    for (TClickLabel* l : {lblBonus_, lblBonusWord_}) {
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
        l->setPalette(pal);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->hide();
        l->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(l, &TClickLabel::clicked, this, [this] {
            if (!round_.bonusWord.empty())
                highlightWord(round_.bonusWord);
        });
        connect(l, &QWidget::customContextMenuRequested, this,
                [this, l](const QPoint& pos) { popupAt(l, l->mapToGlobal(pos)); });
    }
    // The panel grows with the window; its smallest size holds a 12 x 12
    // board of the smallest tiles.
    const BoardLayout::TileScale smallest = BoardLayout::tileAtScale(BoardLayout::kMinScale);
    pnlGrid_->setMinimumSize(gridRoom(smallest));
    pnlGrid_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    pnlGrid_->installEventFilter(this);

    board_ = new TLetterBoard(pnlGrid_);
    board_->setObjectName(QStringLiteral("brdGrid"));
    board_->setAttribute(Qt::WA_TransparentForMouseEvents);
    board_->setBlanks(TLetterBoard::Blanks::Absent);
    board_->setVariedTiles(false);
    board_->setPressable(false);
    board_->build(round_.grid(), columns_, rows_);
    board_->lower();
    layoutGrid();
    return pnlGrid_;
}

QSize TRRForm::gridRoom(const BoardLayout::TileScale& t) const
{
    // "Bonus:" and its word above the cells, a margin around them.
    const QSize cells = BoardLayout::fullBoardSize(t.tile, t.gap);
    return {cells.width() + 2 * kGridMargin, cells.height() + bonusLineHeight() + 2 * kGridMargin};
}

int TRRForm::bonusLineHeight() const { return kBonusTop + lblBonus_->sizeHint().height() + 6; }

void TRRForm::layoutGrid()
{
    const QSize panel = pnlGrid_->size();
    const int bonusLine = bonusLineHeight();
    const BoardLayout::TileScale t = BoardLayout::tileForSpace(
        QSize(panel.width() - 2 * kGridMargin, panel.height() - bonusLine - 2 * kGridMargin));
    // The cells are centred as if the grid were 12 x 12, in the room under
    // the bonus line.
    const QSize cells = BoardLayout::fullBoardSize(t.tile, t.gap);
    const QPoint origin(std::max(kGridMargin, (panel.width() - cells.width()) / 2),
                        bonusLine + std::max(kGridMargin, (panel.height() - bonusLine - cells.height()) / 2));
    board_->setGeometry(pnlGrid_->rect());
    board_->setPlacement(TLetterBoard::Placement::Centred, origin);
    board_->setTileSize(t.tile, t.gap);
    if (t.scale != zoom_) {
        zoom_ = t.scale;
        board_->setBoardFont(preferredGameBoardFont(zoom_));
    }

    lblBonus_->adjustSize();
    lblBonus_->move(origin.x(), kBonusTop);
    lblBonusWord_->move(origin.x() + lblBonus_->width() + 6, kBonusTop);
    lblBonusWord_->resize(std::max(0, panel.width() - lblBonusWord_->x() - kGridMargin), lblBonus_->height());
}

bool TRRForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pnlGrid_ && event->type() == QEvent::Resize)
        layoutGrid();
    return QDialog::eventFilter(watched, event);
}

QWidget* TRRForm::buildSolutionPanel()
{
    pnlSolution_ = new QWidget(this);
    pnlSolution_->setObjectName(QStringLiteral("pnlSolution"));
    auto* layout = new QVBoxLayout(pnlSolution_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QLabel* title = nullptr;
    headers_.push_back(headerPanel(pnlSolution_, title, tr("Solution")));
    layout->addWidget(headers_.back());

    lbxSolution_ = new TWordListBox(TWordListBox::Kind::Solution, pnlSolution_);
    lbxSolution_->setObjectName(QStringLiteral("lbxSolution"));
    lbxSolution_->setFixedWidth(160);
    lbxSolution_->setMinimumHeight(static_cast<int>(std::lround(420 * scale_)));
    lbxSolution_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lbxSolution_, &TWordListBox::entrySelected, this, [this] { entrySelected(lbxSolution_); });
    connect(lbxSolution_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { popupAt(lbxSolution_, lbxSolution_->viewport()->mapToGlobal(pos)); });
    layout->addWidget(lbxSolution_, 1);

    QLabel* countCaption = nullptr;
    TAdvancedPanel* footer = headerPanel(pnlSolution_, countCaption, tr("Count:"));
    lblCount_ = textLabel(QStringLiteral("0"), footer, "lblCount");
    lblCount_->setPalette(countCaption->palette());
    lblCount_->setFont(countCaption->font());
    footer->layout()->addWidget(lblCount_);
    auto* hide = new QPushButton(tr("Hide"), footer);
    hide->setObjectName(QStringLiteral("btnHideSolution"));
    hide->setAutoDefault(false);
    connect(hide, &QPushButton::clicked, this, [this] { setSolutionShown(false); });
    static_cast<QHBoxLayout*>(footer->layout())->addStretch(1);
    footer->layout()->addWidget(hide);
    headers_.push_back(footer);
    layout->addWidget(footer);
    return pnlSolution_;
}

void TRRForm::applyFonts()
{
    const QFont listFont = preferredWordListFont();
    for (TWordListBox* list : lists_)
        list->applyFont(listFont);
    lbxSolution_->applyFont(listFont);
    // Letters of a highlighted path keep their bold face in the new font.
    board_->setBoardFont(preferredGameBoardFont(zoom_));
}

void TRRForm::applyColours()
{
    const bool plain = lowColourDisplay();
    const GamePreferences* prefs = GamePreferences::instance();
    const QPixmap wallpaper = prefs ? prefs->wallpaperPicture() : SharedPictures::instance().defaultWallpaper;
    const bool tiled = prefs ? prefs->wallpaperTiled() : true;
    if (!plain) {
        pnlGrid_->setWallpaper(wallpaper, tiled);
        for (TAdvancedPanel* h : headers_)
            h->setWallpaper(wallpaper, tiled);
    }
    for (TWordListBox* list : std::array<TWordListBox*, 5>{lists_[0], lists_[1], lists_[2], lists_[3], lbxSolution_}) {
        QPalette pal = list->palette();
        pal.setColor(QPalette::Base, plain ? lowColourPanel() : QColor(Qt::white));
        list->setPalette(pal);
    }
}

// ------------------------------------------------------------------ showing

void TRRForm::showModal()
{
    modeless_ = false;
    exec();
}

void TRRForm::showModeless()
{
    modeless_ = true;
    released_ = false;
    show();
    raise();
    activateWindow();
}

void TRRForm::requestHide()
{
    released_ = true;
    hide();
}

void TRRForm::showEvent(QShowEvent* event)
{
    applyColours();
    applyFonts();
    openingPath();
    QDialog::showEvent(event);
    if (chat_ && onChatShown)
        onChatShown(chat_);
}

void TRRForm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (event->spontaneous())
        return; // minimised: still up
    if (chat_) {
        if (GamePreferences* prefs = GamePreferences::instance())
            prefs->setMemberListVisible(chat_->memberListShown());
        SettingsStore::write(settings::RRMemberList, chat_->memberListShown());
        if (onChatHidden)
            onChatHidden();
    }
    game_.view().setMainWindowVisible(true);
    if (modeless_ && !released_) {
        released_ = true;
        if (onReleased)
            onReleased();
    }
}

void TRRForm::closing()
{
    if (GamePreferences* prefs = GamePreferences::instance())
        prefs->setSolutionVisible(solutionShown_);
    WordLookup::instance().closeLocalLookup();
}

void TRRForm::done(int result)
{
    closing();
    QDialog::done(result);
}

void TRRForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        showHelpTopic(QStringLiteral("RoundResults.htm"));
        return;
    }
    QDialog::keyPressEvent(event);
}

// ------------------------------------------------------------------ grid

QLabel* TRRForm::letterLabel(int column, int row) const { return board_->letterAt(column, row); }

QLabel* TRRForm::tile(int column, int row) const { return board_->tileAt(column, row); }

bool TRRForm::isHighlighted(int column, int row) const
{
    return std::any_of(path_.begin(), path_.end(),
                       [&](const GridCell& c) { return !c.empty() && c.x == column && c.y == row; });
}

void TRRForm::highlightWord(const std::string& word)
{
    path_.fill(GridCell());
    round_.grid().tracePath(word, path_);
    for (int c = 0; c < columns_; ++c)
        for (int r = 0; r < rows_; ++r) {
            const bool on = isHighlighted(c, r);
            board_->setCellStyle(c, r, on ? QColor(Qt::blue) : QColor(Qt::black), on);
        }
    // The line through the cells in the word's order, with each step's number.
    std::vector<QPoint> steps;
    for (const GridCell& c : path_) {
        if (c.empty())
            break;
        steps.emplace_back(c.x, c.y);
    }
    board_->setPath(steps);
}

// ------------------------------------------------------------------ lists

int TRRForm::slotOf(const QWidget* w) const
{
    for (int i = 0; i < 4; ++i)
        if (w && w == lists_[static_cast<std::size_t>(i)])
            return i;
    return -1;
}

void TRRForm::entrySelected(TWordListBox* list)
{
    if (list->count() == 0)
        return;
    if (const LVWord* w = list->selectedWord())
        highlightWord(w->text);
    if (const int slot = slotOf(list); slot >= 0)
        updateAddWord(slot);
}

void TRRForm::updateAddWord(int slot)
{
    const LVWord* w = lists_[static_cast<std::size_t>(slot)]->selectedWord();
    playerAddWordAction(slot)->setEnabled(w && ResultsRules::mayAddWord(*w, Dictionary::instance()));
}

void TRRForm::sortPlayerList(int slot, int order)
{
    if (slot < 0 || slot >= 4 || !players_[static_cast<std::size_t>(slot)])
        return;
    std::unique_ptr<WaitCursor> wait;
    if (order != 0)
        wait = std::make_unique<WaitCursor>();
    lists_[static_cast<std::size_t>(slot)]->sortBy(order);
    updateAddWord(slot);
}

void TRRForm::fillSolution()
{
    std::vector<LVWord> words = ResultsRules::solutionWords(round_.solver());
    ResultsRules::sortSolution(words, solutionOrder_);
    lblCount_->setText(QString::number(words.size()));
    lbxSolution_->setWords(std::move(words));
}

void TRRForm::setSolutionSortOrder(int order)
{
    solutionOrder_ = std::clamp(order, 0, 3);
    if (lbxSolution_->count() == 0) {
        if (solutionShown_)
            fillSolution();
        return;
    }
    std::vector<LVWord> words = lbxSolution_->words();
    ResultsRules::sortSolution(words, solutionOrder_);
    lbxSolution_->setWords(std::move(words));
}

void TRRForm::setSolutionShown(bool shown)
{
    solutionShown_ = shown;
    if (shown && lbxSolution_->count() == 0)
        fillSolution();
    pnlSolution_->setVisible(shown);
    menus_->setSolutionShown(shown);
}

// ------------------------------------------------------------------ commands

QMenu* TRRForm::popupMenu() const { return menus_->popup(); }

QMenu* TRRForm::playerMenu(int slot) const { return menus_->playerMenu(slot); }

QAction* TRRForm::playerAddWordAction(int slot) const { return menus_->playerAddWordAction(slot); }

QMenu* TRRForm::preparePopup(QWidget* source) { return menus_->preparePopup(source); }

void TRRForm::popupAt(QWidget* source, const QPoint& globalPos) { preparePopup(source)->popup(globalPos); }

std::string TRRForm::popupWord(const QWidget* source) const
{
    if (auto* list = qobject_cast<const TWordListBox*>(source)) {
        const LVWord* w = list->selectedWord();
        return w ? w->text : std::string();
    }
    if (source == lblBonus_ || source == lblBonusWord_)
        return round_.bonusWord;
    if (auto* label = qobject_cast<const QLabel*>(source))
        return toBytes(label->text());
    return {};
}

void TRRForm::lookUpLocally(TWordListBox* list)
{
    if (const LVWord* w = list ? list->selectedWord() : nullptr)
        WordLookup::instance().lookUpLocally(latin1(w->text));
}

void TRRForm::lookUpOnInternet(TWordListBox* list)
{
    if (const LVWord* w = list ? list->selectedWord() : nullptr)
        WordLookup::instance().lookUpOnInternet(latin1(w->text));
}

void TRRForm::addWord(int slot)
{
    if (slot < 0 || slot >= 4)
        return;
    const LVWord* w = lists_[static_cast<std::size_t>(slot)]->selectedWord();
    if (!w || !ResultsRules::mayAddWord(*w, Dictionary::instance()))
        return;
    TAddWordForm form(w->text, this);
    form.exec();
    updateAddWord(slot);
}

void TRRForm::viewStats(int slot)
{
    if (slot < 0 || slot >= 4 || !players_[static_cast<std::size_t>(slot)])
        return;
    TPlayerStatsForm card(*players_[static_cast<std::size_t>(slot)], this);
    card.exec();
}

std::unique_ptr<ResultsWindow> makeResultsWindow(Game& game, Round& round, QWidget* parent, bool chatVisible)
{
    return std::make_unique<TRRForm>(chatVisible, game, round, parent);
}

} // namespace lettrava
