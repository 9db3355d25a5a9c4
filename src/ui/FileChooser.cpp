#include "ui/FileChooser.h"

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

void setFileChooserForTests(FileChooser chooser) { installed() = std::move(chooser); }

} // namespace lettrava
