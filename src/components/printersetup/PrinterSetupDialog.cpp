#include "components/printersetup/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>

#include <set>

namespace kelvppvw {

namespace {
PrinterSetupDialog* gActive = nullptr;
}

PrinterSetupDialog::PrinterSetupDialog(const std::vector<std::string>& printers, const PrinterChoice& initial,
                                       QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrinterSetup"));
    setWindowTitle(tr("Printer Setup"));
    auto* form = new QFormLayout;

    printer_ = new QComboBox(this);
    printer_->setObjectName(QStringLiteral("cboPrinter"));
    for (const std::string& name : printers)
        printer_->addItem(QString::fromStdString(name));
    form->addRow(tr("&Printer:"), printer_);

    paper_ = new QComboBox(this);
    paper_->setObjectName(QStringLiteral("cboPaper"));
    form->addRow(tr("Paper &size:"), paper_);

    portrait_ = new QRadioButton(tr("P&ortrait"), this);
    portrait_->setObjectName(QStringLiteral("optPortrait"));
    landscape_ = new QRadioButton(tr("&Landscape"), this);
    landscape_->setObjectName(QStringLiteral("optLandscape"));
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(portrait_);
    orientation->addWidget(landscape_);
    form->addRow(tr("Orientation:"), orientation);

    quality_ = new QComboBox(this);
    quality_->setObjectName(QStringLiteral("cboQuality"));
    form->addRow(tr("Print &quality:"), quality_);

    color_ = new QComboBox(this);
    color_->setObjectName(QStringLiteral("cboColor"));
    color_->addItem(tr("Colour"), 2);
    color_->addItem(tr("Monochrome"), 1);
    form->addRow(tr("&Colour:"), color_);

    duplex_ = new QComboBox(this);
    duplex_->setObjectName(QStringLiteral("cboDuplex"));
    duplex_->addItem(tr("One-sided"), 1);
    duplex_->addItem(tr("Two-sided, long edge"), 2);
    duplex_->addItem(tr("Two-sided, short edge"), 3);
    form->addRow(tr("&Two-sided:"), duplex_);

    copies_ = new QSpinBox(this);
    copies_->setObjectName(QStringLiteral("spnCopies"));
    copies_->setRange(1, 999);
    form->addRow(tr("Co&pies:"), copies_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setLayout(form);

    connect(printer_, &QComboBox::currentTextChanged, this, &PrinterSetupDialog::fillForPrinter);
    fillForPrinter(printer_->currentText());
    setChoice(initial);
    gActive = this;
}

PrinterSetupDialog::~PrinterSetupDialog() {
    if (gActive == this)
        gActive = nullptr;
}

PrinterSetupDialog* PrinterSetupDialog::active() { return gActive; }

void PrinterSetupDialog::fillForPrinter(const QString& printer) {
    const int paper = paper_->currentData().isValid() ? paper_->currentData().toInt() : 0;
    const int quality = quality_->currentData().isValid() ? quality_->currentData().toInt() : 0;
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);

    paper_->clear();
    std::set<int> codes;
    for (const QPageSize& size : info.supportedPageSizes()) {
        const int code = size.windowsId();
        // Only sizes a paper code can carry round-trip through the stored choice.
        if (code > 0 && size.id() != QPageSize::Custom && QPageSize::id(code) == size.id() &&
            codes.insert(code).second)
            paper_->addItem(size.name(), code);
    }
    if (paper_->count() == 0)
        for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A5, QPageSize::Letter, QPageSize::Legal})
            paper_->addItem(QPageSize(id).name(), QPageSize::windowsId(id));

    quality_->clear();
    quality_->addItem(tr("Draft"), -1);
    quality_->addItem(tr("Low"), -2);
    quality_->addItem(tr("Medium"), -3);
    quality_->addItem(tr("High"), -4);
    for (int dpi : info.supportedResolutions())
        quality_->addItem(tr("%1 dpi").arg(dpi), dpi);

    selectData(paper_, paper);
    selectData(quality_, quality);
}

bool PrinterSetupDialog::selectData(QComboBox* box, int value) {
    const int i = box->findData(value);
    if (i < 0)
        return false;
    box->setCurrentIndex(i);
    return true;
}

bool PrinterSetupDialog::setChoice(const PrinterChoice& c) {
    bool all = true;
    const int p = printer_->findText(QString::fromStdString(c.deviceName));
    if (p >= 0)
        printer_->setCurrentIndex(p);
    else
        all = false;
    all = selectData(paper_, c.paperSize) && all;
    (c.orientation == 2 ? landscape_ : portrait_)->setChecked(true);
    all = selectData(quality_, c.printQuality) && all;
    all = selectData(color_, c.colorMode) && all;
    all = selectData(duplex_, c.duplex) && all;
    copies_->setValue(c.copies);
    paperBin_ = c.paperBin;
    return all;
}

PrinterChoice PrinterSetupDialog::choice() const {
    PrinterChoice c;
    c.deviceName = printer_->currentText().toStdString();
    c.paperSize = paper_->currentData().toInt();
    c.orientation = landscape_->isChecked() ? 2 : 1;
    c.printQuality = quality_->currentData().toInt();
    c.colorMode = color_->currentData().toInt();
    c.duplex = duplex_->currentData().toInt();
    c.paperBin = paperBin_;
    c.copies = copies_->value();
    return c;
}

} // namespace kelvppvw
