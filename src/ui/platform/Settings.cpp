#include "ui/platform/Settings.h"

#include "core/platform/Paths.h"
#include "ui/platform/GameText.h"

namespace lettrava::settings {

QString programFolderText() { return pathToQt(Paths::programFolder()); }

} // namespace lettrava::settings
