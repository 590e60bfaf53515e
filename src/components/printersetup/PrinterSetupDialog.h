#pragma once

#include "components/printersetup/PrinterChoice.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QRadioButton;
class QSpinBox;

namespace kelvppvw {

// The dialog of the printer-setup component: printer, paper, orientation,
// quality, colour, two-sided printing and copies. Child widgets carry object
// names (cboPrinter, cboPaper, optPortrait, optLandscape, cboQuality,
// cboColor, cboDuplex, spnCopies) so tests and scripts can find them.
class PrinterSetupDialog : public QDialog {
    Q_OBJECT
public:
    PrinterSetupDialog(const std::vector<std::string>& printers, const PrinterChoice& initial,
                       QWidget* parent = nullptr);
    ~PrinterSetupDialog() override;

    PrinterChoice choice() const;
    // Selects what the choice names; a printer, paper or quality the lists do
    // not hold leaves that list as it was and returns false.
    bool setChoice(const PrinterChoice& choice);

    // The dialog on screen right now, for a script answering it; nullptr when none.
    static PrinterSetupDialog* active();

private:
    void fillForPrinter(const QString& printer);
    static bool selectData(QComboBox* box, int value);

    QComboBox* printer_;
    QComboBox* paper_;
    QRadioButton* portrait_;
    QRadioButton* landscape_;
    QComboBox* quality_;
    QComboBox* color_;
    QComboBox* duplex_;
    QSpinBox* copies_;
    int32_t paperBin_ = 0;
};

} // namespace kelvppvw
