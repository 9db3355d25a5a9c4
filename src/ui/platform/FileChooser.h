#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace lettrava {

// Asks the user for an existing file to open: the platform's file dialog with
// the given title, start folder and filter ("Bitmaps (*.bmp)"). Empty text
// when the user cancels.
QString chooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// As chooseOpenFile, for one or more files; empty when the user cancels.
QStringList chooseOpenFiles(QWidget* parent, const QString& title, const QString& folder, const QString& filter);

// Asks for a file to write: the save dialog starts at `startFile` (a folder or
// a file), adds `defaultSuffix` to a name typed without one and asks before
// overwriting an existing file. Empty text when the user cancels.
QString chooseSaveFile(QWidget* parent, const QString& title, const QString& startFile, const QString& filter,
                       const QString& defaultSuffix);

// Tests answer the file dialogs themselves: while a chooser is installed it
// is asked instead of showing a dialog. Several files are answered as one
// text, separated by newlines. nullptr removes it.
using FileChooser = std::function<QString(const QString& title, const QString& folder, const QString& filter)>;
void setFileChooserForTests(FileChooser chooser);

} // namespace lettrava
