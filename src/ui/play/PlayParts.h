#pragma once

// What the main window and its play view share: the centre's measures, the
// colours of its texts, and the board's colours and cursors for the word
// being clicked.

#include "core/game/WordEntry.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace lettrava::playparts {

// Room around the board inside its area, and between the centre's parts.
inline constexpr int kBoardPad = 8;
inline constexpr int kMargin = 12;
inline constexpr int kColumnGap = 16;
inline constexpr int kRightColumnWidth = 250;

inline const QColor kIvoryText(255, 244, 214);
inline const QColor kBrownText(52, 28, 8);

inline void setTextColour(QWidget* w, const QColor& c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

inline QColor cellColour(WordEntry::CellColour c)
{
    switch (c) {
    case WordEntry::CellColour::Blue: return QColor(30, 90, 235);
    case WordEntry::CellColour::Yellow: return QColor(240, 185, 0);
    case WordEntry::CellColour::Green: return QColor(20, 160, 60);
    case WordEntry::CellColour::Plain: break;
    }
    return {};
}

inline Qt::CursorShape cellCursor(WordEntry::Cursor c)
{
    switch (c) {
    case WordEntry::Cursor::Hand: return Qt::PointingHandCursor;
    case WordEntry::Cursor::NotAllowed: return Qt::ForbiddenCursor;
    case WordEntry::Cursor::Arrow: break;
    }
    return Qt::ArrowCursor;
}

} // namespace lettrava::playparts
