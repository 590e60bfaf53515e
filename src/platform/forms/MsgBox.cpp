#include "platform/forms/MsgBox.h"

#include "platform/automation/ErrorTrap.h"
#include "platform/forms/Application.h"
#include "platform/forms/ModalScript.h"

#include <QApplication>
#include <QMessageBox>

namespace kelvppvw {

namespace {

int defaultAnswer(int buttons) {
    switch (buttons & 7) {
    case vb::OKCancel: return vb::OK;
    case vb::YesNo: return vb::Yes;
    default: return vb::OK;
    }
}

} // namespace

int MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    Application::ensure();
    ModalMoment moment{ModalKind::MessageBox, title, prompt, buttons, nullptr};
    if (ModalAction action = ModalScript::take(moment))
        return action(moment);
    if (Application::isHeadless())
        return defaultAnswer(buttons);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString::fromStdString(title.empty() ? std::string("kelvppvw") : title));
    QString text = QString::fromStdString(prompt);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(text);
    switch (buttons & 0x70) {
    case vb::Critical: box.setIcon(QMessageBox::Critical); break;
    case vb::Question: box.setIcon(QMessageBox::Question); break;
    case vb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case vb::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (buttons & 7) {
    case vb::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case vb::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return vb::Cancel;
    case QMessageBox::Yes: return vb::Yes;
    case QMessageBox::No: return vb::No;
    default: return vb::OK;
    }
}

void ShowErrorBox(const AutomationError& error, const std::string& procedure, bool withLineNumber) {
    MsgBox(errorBoxText(error, procedure, withLineNumber), vb::Exclamation);
}

} // namespace kelvppvw
