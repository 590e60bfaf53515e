#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kelvppvw {

// The CUPS side of a print job: hands a finished PDF to a queue.
class CupsQueue {
public:
    using Options = std::vector<std::pair<std::string, std::string>>;

    // Submits the file as one job; returns the CUPS job id. Raises 482
    // ("Printer error: ..." with the server's reason) when the queue refuses it.
    static int submit(const std::string& queue, const std::string& pdfPath, const std::string& title,
                      const Options& options);

    // Jobs of the queue not yet completed (pending, held or processing).
    static int activeJobs(const std::string& queue);
};

} // namespace kelvppvw
