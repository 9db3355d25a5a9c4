#pragma once

#include <QDialog>
#include <QPixmap>

#include <memory>
#include <vector>

class QScrollArea;
class QTableWidget;

namespace lettrava {

class Player;

// "Lettrava Stats": a table of every record of the player store, as it is in
// memory (counts of the running game included). A small tool window, centred
// on the screen.
class TStatSummaryForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kColumnWidth = 70;
    static constexpr int kMaxScrollHeight = 300;

    explicit TStatSummaryForm(const std::vector<std::unique_ptr<Player>>& records, QWidget* parent = nullptr);

    QTableWidget* table() const { return sgrStatSummary_; }
    QScrollArea* scrollBox() const { return scbStats_; }
    int rowHeight() const;
    // The cell's text (row 0 holds the headers).
    QString cellText(int row, int column) const;

private:
    QScrollArea* scbStats_;
    QTableWidget* sgrStatSummary_;
    QPixmap imgBackground_;
};

} // namespace lettrava
