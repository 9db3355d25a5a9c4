#pragma once

#include "core/words/LVWord.h"

#include <QListWidget>
#include <QPixmap>

#include <vector>

namespace lettrava {

// An owner-drawn list of judged words. Each entry draws its word by its
// flags: struck through when it was not in the grid, red when it was in the
// grid but not in the dictionary, in the list's ordinary colour when valid,
// and with a lightning bolt at the left edge when it earned the unique bonus.
// The list keeps its own copy of the words, in the order shown.
class TWordListBox : public QListWidget {
    Q_OBJECT
public:
    enum class Kind {
        Player,   // text starts after the bolt's width
        Solution, // text starts 2 pixels from the left edge
    };

    explicit TWordListBox(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return kind_; }

    void setWords(std::vector<LVWord> words);
    const std::vector<LVWord>& words() const { return words_; }
    // Sorts the words (orders of sortWordList) and refills, the first entry selected.
    void sortBy(int order);
    // Fills the list from the words, the first entry selected.
    void refill();

    // The word of the selected entry, or nullptr.
    const LVWord* selectedWord() const;

    // The list's font; the item height becomes the height of "XX" in it.
    void applyFont(const QFont& font);
    int itemHeight() const { return itemHeight_; }

    // How an entry is drawn: its text colour, whether it is struck through,
    // whether the bolt stands beside it.
    struct EntryLook {
        QColor colour;
        bool struckOut = false;
        bool bolt = false;
    };
    EntryLook entryLook(int row, bool selected) const;

    // The bolt drawn beside a unique word, and the left edge of the text.
    static QPixmap boltPicture(int height);
    int textLeft() const;

signals:
    // The user picked an entry (click or keys) or gave the list the focus.
    void entrySelected();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class WordListDelegate;
    Kind kind_;
    std::vector<LVWord> words_;
    int itemHeight_ = 16;
};

} // namespace lettrava
