#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace lettrava {

// Asks the user for an existing file to open: the platform's file dialog with
// the given title, start folder and filter ("Bitmaps (*.bmp)"). Empty text
// when the user cancels.
QString chooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// Tests answer the file dialogs themselves: while a chooser is installed it
// is asked instead of showing a dialog. nullptr removes it.
using FileChooser = std::function<QString(const QString& title, const QString& folder, const QString& filter)>;
void setFileChooserForTests(FileChooser chooser);

} // namespace lettrava
