#include "ui/platform/FileChooser.h"

#include <QFileDialog>

namespace lettrava {

namespace {
FileChooser& installed()
{
    static FileChooser chooser;
    return chooser;
}
} // namespace

QString chooseOpenFile(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (installed())
        return installed()(title, folder, filter);
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QStringList chooseOpenFiles(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
{
    if (installed())
        return installed()(title, folder, filter).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return QFileDialog::getOpenFileNames(parent, title, folder, filter);
}

QString chooseSaveFile(QWidget* parent, const QString& title, const QString& startFile, const QString& filter,
                       const QString& defaultSuffix)
{
    if (installed())
        return installed()(title, startFile, filter);
    QFileDialog dialog(parent, title, startFile, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void setFileChooserForTests(FileChooser chooser) { installed() = std::move(chooser); }

} // namespace lettrava
