#include "platform/printer/PrintJob.h"

#include "platform/automation/AutomationError.h"

#include <QDir>

namespace kelvppvw {

PrintJob::PrintJob(const QPageLayout& layout, int resolution, const QString& title)
    : file_(QDir::tempPath() + QStringLiteral("/kelvppvw-job-XXXXXX.pdf")) {
    if (!file_.open())
        throw AutomationError(482, "Printer error: cannot create the job's spool file in " +
                                       QDir::tempPath().toStdString());
    file_.close();
    device_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    device_->setOutputFormat(QPrinter::PdfFormat);
    device_->setOutputFileName(file_.fileName());
    device_->setResolution(resolution);
    device_->setPageLayout(layout);
    device_->setDocName(title);
    device_->setCreator(QStringLiteral("kelvppvw"));
    if (!painter_.begin(device_.get()))
        throw AutomationError(482, "Printer error: cannot start painting the job");
}

PrintJob::~PrintJob() {
    if (painter_.isActive())
        painter_.end();
}

void PrintJob::newPage(const QPageLayout& layout) {
    device_->setPageLayout(layout);
    device_->newPage();
    ++pages_;
}

QString PrintJob::finish() {
    if (painter_.isActive())
        painter_.end();
    return file_.fileName();
}

} // namespace kelvppvw
