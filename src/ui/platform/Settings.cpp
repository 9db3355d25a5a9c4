#include "ui/platform/Settings.h"

#include "core/platform/Paths.h"

namespace lettrava::settings {

QString programFolderText() { return QString::fromStdString(Paths::programFolder().string()); }

} // namespace lettrava::settings
