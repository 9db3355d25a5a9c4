#include "ui/platform/QtDialogs.h"
#include "ui/platform/GameText.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

namespace lettrava {

namespace {

QMessageBox::Icon toIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer toAnswer(int button, MessageButtons buttons)
{
    switch (button) {
    case QMessageBox::Ok: return MessageAnswer::Ok;
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
    }
    // Closed with Esc or the title bar: the gentlest answer the box offers.
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

} // namespace

MessageAnswer QtDialogs::showMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                                     MessageIcon icon)
{
    QMessageBox box(toIcon(icon), toQt(caption), toQt(text), toButtons(buttons),
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel)
        box.setDefaultButton(QMessageBox::Yes);
    if (buttons == MessageButtons::YesNoCancel || buttons == MessageButtons::OkCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    // A question must be seen with the normal cursor even during a long task.
    int restored = 0;
    while (QGuiApplication::overrideCursor() != nullptr) {
        QGuiApplication::restoreOverrideCursor();
        ++restored;
    }
    const int result = box.exec();
    for (int i = 0; i < restored; ++i)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    return toAnswer(result, buttons);
}

void QtDialogs::reportError(const std::string& text)
{
    showMessage(text, toBytes(QApplication::applicationName()), MessageButtons::Ok, MessageIcon::Error);
}

void QtDialogs::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::restoreOverrideCursor();
}

QtDialogs& QtDialogs::instance()
{
    static QtDialogs dialogs;
    return dialogs;
}

void installDesktopDialogs(Dialogs* recordForTests)
{
    setDialogs(recordForTests ? recordForTests : &QtDialogs::instance());
}

} // namespace lettrava
