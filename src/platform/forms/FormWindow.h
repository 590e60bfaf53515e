#pragma once

#include <QWidget>

namespace kelvppvw {

class Form;

// The native window of a Form: it turns window-system events into the
// form's lifecycle events.
class FormWindow : public QWidget {
public:
    FormWindow(Form& form, QWidget* owner);
    void detach() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Form* form_;
    bool active_ = false;

};

} // namespace kelvppvw
