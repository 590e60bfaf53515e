#pragma once

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include <memory>

namespace kelvppvw {

// One open print job: pages are painted into a private PDF file that reaches a
// queue only when the job is finished, so an abandoned job leaves no trace.
class PrintJob {
public:
    PrintJob(const QPageLayout& layout, int resolution, const QString& title);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    QPainter& painter() { return painter_; }
    // Starts the next sheet with the given layout (orientation and paper may
    // change between pages).
    void newPage(const QPageLayout& layout);
    // Ends painting; the PDF stays on disk until the job object goes.
    QString finish();
    int pageCount() const { return pages_; }

private:
    QTemporaryFile file_;
    std::unique_ptr<QPrinter> device_;
    QPainter painter_;
    int pages_ = 1;
};

} // namespace kelvppvw
