#include "core/grid/CompSearchThread.h"

#include "core/grid/PrefixTree.h"
#include "core/platform/Random.h"
#include "core/words/Dictionary.h"
#include "core/words/Latin1.h"

#include <algorithm>
#include <stdexcept>

namespace lettrava {

namespace {

constexpr int kStride = Grid::kSize;
// The neighbour order of every search, as offsets in the column-major cell
// array: (-1,-1), (-1,0), (-1,+1), (0,-1), (0,+1), (+1,-1), (+1,0), (+1,+1).
constexpr int kNeighbourOffsets[8] = {-kStride - 1, -kStride, -kStride + 1, -1, 1, kStride - 1, kStride, kStride + 1};

// The solution's alphabetical order: accented words beside their plain
// letters, case ignored; different words never compare equal.
bool lessIgnoringCase(const std::string& a, const std::string& b) { return latin1::dictionaryLess(a, b); }

} // namespace

// One search: walks the chains from a start cell through the prefix tree.
//
// Following a child of the tree answers exactly what a dictionary lookup of
// the extended chain would: no child is a miss, which ends the branch; a child
// that is a word of three or more letters is a word; any other child is a
// prefix. So the words appended, and their order, are those of a walk that
// looks every extended chain up.
class SolverWalk {
public:
    SolverWalk(CompSearchThread& solver, const PrefixTree& tree)
        : solver_(solver), tree_(tree), cells_(solver.cells_.data()), reuse_(solver.options_.allowLetterReuse),
          min_(static_cast<std::size_t>(std::max(solver.options_.minWordLength, 3))),
          max_(static_cast<std::size_t>(std::max(solver.options_.maxWordLength, 0)))
    {
    }

    // False when the search must end.
    bool fromCell(int cell)
    {
        const PrefixTree::NodeIndex node = tree_.child(PrefixTree::kRoot, cells_[cell]);
        if (node == PrefixTree::kNone)
            return !solver_.checkpointDue() || !solver_.checkpoint();
        text_[0] = cells_[cell];
        return extend(node, cell, 1);
    }

private:
    bool extend(PrefixTree::NodeIndex node, int cell, std::size_t length)
    {
        used_[cell] = true;
        for (const int offset : kNeighbourOffsets) {
            if (solver_.checkpointDue() && solver_.checkpoint())
                return false;
            const int next = cell + offset;
            if (!reuse_ && used_[next])
                continue;
            const char letter = cells_[next];
            // Border cells and holes hold a space: no word passes through them.
            if (letter == ' ')
                continue;
            const PrefixTree::NodeIndex child = tree_.child(node, letter);
            if (child == PrefixTree::kNone)
                continue;
            text_[length] = letter;
            const std::size_t extended = length + 1;
            if (tree_.isWord(child) && extended >= min_ && extended <= max_)
                solver_.append(text_, extended);
            if (!extend(child, next, extended))
                return false;
        }
        used_[cell] = false;
        return true;
    }

    CompSearchThread& solver_;
    const PrefixTree& tree_;
    const char* cells_;
    const bool reuse_;
    const std::size_t min_, max_;
    std::array<bool, Grid::kSize * Grid::kSize> used_{};
    char text_[WordStore::kMaxWordLength + 1] = {};
};

CompSearchThread::CompSearchThread(const Grid* grid) : grid_(grid)
{
    if (!grid)
        throw std::logic_error("NULL != g");
}

CompSearchThread::~CompSearchThread()
{
    terminate();
    waitFor();
}

void CompSearchThread::start()
{
    if (started_)
        return;
    const int cols = Grid::columns(), rows = Grid::rows();
    // Drawn here, on the starting thread, so that a seeded game draws the
    // same numbers whatever the threads do.
    if (cols > 0 && rows > 0) {
        startColumn_ = static_cast<int>(Random::instance().next() % static_cast<std::uint32_t>(cols));
        startRow_ = static_cast<int>(Random::instance().next() % static_cast<std::uint32_t>(rows));
    }
    launch();
}

void CompSearchThread::startAt(int column, int row)
{
    if (started_)
        return;
    const int cols = Grid::columns(), rows = Grid::rows();
    startColumn_ = cols > 0 ? ((column % cols) + cols) % cols : 0;
    startRow_ = rows > 0 ? ((row % rows) + rows) % rows : 0;
    launch();
}

void CompSearchThread::launch()
{
    started_ = true;
    options_ = gridOptions();
    columns_ = Grid::columns();
    rows_ = Grid::rows();
    words_ = Dictionary::instance().words();
    cells_.fill(' ');
    for (int c = 1; c <= columns_; ++c)
        for (int r = 1; r <= rows_; ++r)
            cells_[static_cast<std::size_t>(c * kStride + r)] = grid_->letterAt(c, r);
    thread_ = std::thread([this] { run(); });
}

bool CompSearchThread::checkpointDue() const { return control_.load(std::memory_order_relaxed) != 0; }

bool CompSearchThread::checkpoint()
{
    unsigned control = control_.load();
    if (control & kTerminate)
        return true;
    if (!(control & kSuspend))
        return false;
    // Whatever was found is in the list while the search stands still.
    publish();
    std::unique_lock lock(controlMutex_);
    paused_ = true;
    controlChanged_.notify_all();
    controlChanged_.wait(lock, [this] { return control_.load() != kSuspend; });
    paused_ = false;
    controlChanged_.notify_all();
    return (control_.load() & kTerminate) != 0;
}

void CompSearchThread::run()
{
    bool completed = false;
    try {
        const std::shared_ptr<const PrefixTree> tree = PrefixTree::of(words_);
        SolverWalk walk(*this, *tree);
        const std::size_t total = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
        std::size_t done = 0;
        bool stopped = false;
        for (int i = 0; i < columns_ && !stopped; ++i) {
            const int column = 1 + (startColumn_ + i) % columns_;
            for (int j = 0; j < rows_ && !stopped; ++j) {
                const int row = 1 + (startRow_ + j) % rows_;
                if (checkpointDue() && checkpoint()) {
                    stopped = true;
                    break;
                }
                const int cell = column * kStride + row;
                if (cells_[static_cast<std::size_t>(cell)] != ' ' && !walk.fromCell(cell)) {
                    stopped = true;
                    break;
                }
                ++done;
                publish();
                if (observer_)
                    observer_->progress(done, total, count());
            }
        }
        completed = !stopped;
    } catch (const std::exception&) {
        // Out of memory: the list holds what was found.
    }
    try {
        publish();
    } catch (const std::exception&) {
    }
    completed_ = completed;
    finished_ = true;
    {
        std::lock_guard lock(controlMutex_);
        controlChanged_.notify_all();
    }
    if (observer_)
        observer_->finished(completed);
}

void CompSearchThread::suspend()
{
    std::lock_guard lock(controlMutex_);
    control_.fetch_or(kSuspend);
    controlChanged_.notify_all();
}

void CompSearchThread::resume()
{
    std::lock_guard lock(controlMutex_);
    control_.fetch_and(~kSuspend);
    controlChanged_.notify_all();
}

void CompSearchThread::terminate()
{
    std::lock_guard lock(controlMutex_);
    control_.fetch_or(kTerminate);
    controlChanged_.notify_all();
}

bool CompSearchThread::paused() const
{
    std::lock_guard lock(controlMutex_);
    return paused_;
}

void CompSearchThread::waitFor()
{
    std::lock_guard lock(joinMutex_);
    if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
        thread_.join();
}

void CompSearchThread::append(const char* text, std::size_t length)
{
    pending_.emplace_back(text, length);
    if (pending_.size() >= kPendingWords)
        publish();
}

void CompSearchThread::publish()
{
    if (pending_.empty())
        return;
    std::lock_guard lock(foundMutex_);
    found_.insert(found_.end(), std::make_move_iterator(pending_.begin()), std::make_move_iterator(pending_.end()));
    pending_.clear();
}

std::size_t CompSearchThread::count() const
{
    std::lock_guard lock(foundMutex_);
    return found_.size();
}

std::string CompSearchThread::wordAt(std::size_t i) const
{
    std::lock_guard lock(foundMutex_);
    return i < found_.size() ? found_[i] : std::string();
}

std::string CompSearchThread::randomWord() const
{
    std::lock_guard lock(foundMutex_);
    if (found_.empty())
        return {};
    return found_[Random::instance().next() % found_.size()];
}

std::string CompSearchThread::firstWordOfLength(std::size_t n) const
{
    std::lock_guard lock(foundMutex_);
    for (const std::string& w : found_)
        if (w.size() == n)
            return w;
    return found_.empty() ? std::string() : found_.back();
}

void CompSearchThread::appendWordsFrom(std::vector<std::string>& list, std::size_t start) const
{
    std::lock_guard lock(foundMutex_);
    if (start < found_.size())
        list.insert(list.end(), found_.begin() + static_cast<std::ptrdiff_t>(start), found_.end());
}

std::vector<std::string> CompSearchThread::foundWords() const
{
    std::lock_guard lock(foundMutex_);
    return found_;
}

std::vector<LVWord> CompSearchThread::buildSolution() const
{
    std::vector<std::string> words = foundWords();
    std::sort(words.begin(), words.end(), lessIgnoringCase);
    words.erase(std::unique(words.begin(), words.end()), words.end());
    std::vector<LVWord> list;
    list.reserve(words.size());
    for (std::string& w : words) {
        LVWord word(std::move(w), static_cast<std::int32_t>(list.size()));
        word.inGrid = true;
        word.inDictionary = true;
        list.push_back(std::move(word));
    }
    return list;
}

const std::vector<LVWord>& CompSearchThread::solutionWords()
{
    solution_ = buildSolution();
    return solution_;
}

void CompSearchThread::fillSolutionList(std::vector<LVWord>& list) const
{
    list = buildSolution();
}

} // namespace lettrava
