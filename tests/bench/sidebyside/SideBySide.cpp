// Our preview and Qt's QPrintPreviewWidget on the same report, side by side:
//   bench_side_by_side [--pages N] [--runs R]
// Each side runs R times in a child process of its own (alternating), and the
// medians are printed with the ratio ours / Qt's.
#include "Sides.h"

#include <QApplication>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Samples = std::map<std::string, std::vector<double>>;

// Runs this program as one side and collects its "name value" lines.
bool runChild(const char* self, const char* side, int pages, Samples& out)
{
    const std::string command = std::string(self) + " --side " + side + " --pages " + std::to_string(pages);
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    char line[256];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream in(line);
        std::string name;
        double value = 0;
        if (in >> name >> value)
            out[name].push_back(value);
    }
    return pclose(pipe) == 0;
}

int child(const std::string& side, int pages)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char name[] = "bench_side_by_side";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const sidebyside::Figures f = side == "qt" ? sidebyside::runQtSide(pages) : sidebyside::runOurSide(pages);
    f.print();
    return f.firstPage.wall < 0 ? 1 : 0;
}

void row(const char* label, Samples& ours, Samples& qt, const std::string& name)
{
    const auto m = [](Samples& s, const std::string& key) { return sidebyside::median(s[key]); };
    const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    const double o = m(ours, name), q = m(qt, name);
    if (name == "rss") {
        std::printf("| %-32s | %9.1f MiB | %9.1f MiB | %6.2f |          |          |        |\n", label, o, q,
                    ratio(o, q));
        return;
    }
    const double oc = m(ours, name + "_cpu"), qc = m(qt, name + "_cpu");
    std::printf("| %-32s | %10.1f ms | %10.1f ms | %6.2f | %8.1f | %8.1f | %6.2f |\n", label, o, q, ratio(o, q), oc,
                qc, ratio(oc, qc));
}

} // namespace

int main(int argc, char** argv)
{
    int pages = 100, runs = 3;
    std::string side;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--pages"))
            pages = std::max(2, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--runs"))
            runs = std::max(1, std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--side"))
            side = argv[i + 1];
    }
    if (!side.empty())
        return child(side, pages);

    Samples ours, qt;
    for (int r = 0; r < runs; ++r) {
        if (!runChild(argv[0], "qt", pages, qt) || !runChild(argv[0], "ours", pages, ours)) {
            std::fprintf(stderr, "a side failed\n");
            return 1;
        }
    }
    std::printf("%d pages, median of %d runs; ratio = ours / Qt's; CPU = ms of CPU of the whole process\n", pages,
                runs);
    std::printf("| %-32s | %13s | %13s | %6s | %8s | %8s | %6s |\n", "Figure", "ours", "Qt", "ratio", "ours CPU",
                "Qt CPU", "ratio");
    row("first page visible, from launch", ours, qt, "first");
    row("next page, first visit", ours, qt, "next");
    row("zoom to 200 % and back", ours, qt, "zoom");
    row("close", ours, qt, "close");
    row("close, until files are gone", ours, qt, "removed");
    row("peak RSS", ours, qt, "rss");
    return 0;
}
