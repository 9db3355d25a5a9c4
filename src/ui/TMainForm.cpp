#include "ui/TMainForm.h"

#include "core/platform/Random.h"

namespace lettrava {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    Random::instance().seedFromClock();
    setWindowTitle(QStringLiteral("Lettrava"));
    resize(800, 600);
}

} // namespace lettrava
