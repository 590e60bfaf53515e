#include "platform/printer/CupsQueue.h"

#include "platform/automation/AutomationError.h"

#include <cups/cups.h>

namespace kelvppvw {

int CupsQueue::submit(const std::string& queue, const std::string& pdfPath, const std::string& title,
                      const Options& options) {
    cups_option_t* list = nullptr;
    int count = 0;
    for (const auto& [name, value] : options)
        count = cupsAddOption(name.c_str(), value.c_str(), count, &list);
    const int job = cupsPrintFile(queue.c_str(), pdfPath.c_str(), title.c_str(), count, list);
    cupsFreeOptions(count, list);
    if (job == 0) {
        const char* reason = cupsLastErrorString();
        throw AutomationError(482, std::string("Printer error: ") + (reason ? reason : "job refused") + " (" + queue + ")");
    }
    return job;
}

int CupsQueue::activeJobs(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    const int n = cupsGetJobs(&jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(n < 0 ? 0 : n, jobs);
    return n < 0 ? 0 : n;
}

} // namespace kelvppvw
