#include "ui/widgets/WindowParts.h"

#include "ui/platform/GamePreferences.h"
#include "ui/platform/Settings.h"
#include "ui/platform/SettingsStore.h"
#include "ui/widgets/TPictureButton.h"

#include <QBoxLayout>
#include <QMouseEvent>

namespace lettrava {

QFont preferredWordListFont()
{
    if (const GamePreferences* prefs = GamePreferences::instance())
        return prefs->wordListFont();
    QFont f(SettingsStore::read(settings::WordListFontName));
    f.setPointSize(settings::WordListFontSize.defaultValue);
    return f;
}

QFont preferredGameBoardFont(double scale)
{
    QFont f;
    if (const GamePreferences* prefs = GamePreferences::instance()) {
        f = prefs->gameBoardFont();
    } else {
        f = QFont(SettingsStore::read(settings::GameFontName));
        f.setPointSize(settings::GameFontSize.defaultValue);
    }
    if (scale != 1.0 && f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * scale);
    return f;
}

TPictureButton* addCaptionedButton(QBoxLayout* layout, const QString& caption, const QString& name, bool below)
{
    auto* holder = new QWidget;
    auto* box = new QBoxLayout(below ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, holder);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(4);
    auto* button = new TPictureButton(holder);
    button->setObjectName(QStringLiteral("img") + name);
    button->usePushButtonPictures();
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    auto* label = new TClickLabel(caption, holder);
    label->setObjectName(QStringLiteral("lbl") + name);
    label->setBuddy(button);
    QObject::connect(label, &TClickLabel::clicked, button, &TPictureButton::click);
    box->addWidget(button, 0, Qt::AlignCenter);
    box->addWidget(label, 0, Qt::AlignCenter);
    layout->addWidget(holder);
    return button;
}

TClickLabel::TClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace lettrava
