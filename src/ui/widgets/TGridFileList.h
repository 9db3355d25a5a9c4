#pragma once

#include <QListWidget>
#include <QStringList>

namespace lettrava {

// The setup dialog's list of grid files, one entry per round: "Round  1: "
// in bold, then the file, or "[randomly generated grid]" where the entry
// names no existing file.
//
// Entries are reordered by dragging: while an entry is dragged over another,
// the two change places and the dragged entry follows the pointer. Ctrl+Up
// and Ctrl+Down move the selected entry from the keyboard.
class TGridFileList : public QListWidget {
    Q_OBJECT
public:
    static constexpr const char* kRandomGridText = QT_TRANSLATE_NOOP("lettrava::TGridFileList", "[randomly generated grid]");

    explicit TGridFileList(QWidget* parent = nullptr);

    QStringList entries() const;
    void setEntries(const QStringList& files);
    void setEntry(int index, const QString& file);
    QString entry(int index) const;
    // Appends empty entries until the list holds `count`.
    void padTo(int count);
    // Exchanges two entries; the selection follows the entry at `from`.
    void exchange(int from, int to);

    // The text an entry shows after its round number.
    static QString entryText(const QString& file);
    static QString roundText(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refreshTexts();
    int dragged_ = -1;
};

} // namespace lettrava
