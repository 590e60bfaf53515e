#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvppvw {

// The folder that holds the page files of every run and the clean-up list,
// "<component folder>/Preview". Names follow one pattern,
// "Page_<stamp>_<page>.emf", and nothing else in the folder is ours.
struct PageFolder {
    std::string path;

    static PageFolder beside(std::string_view componentFolder);

    std::string cleanupList() const;  // ".../Cleanup.ini"
    std::string pageFile(std::string_view stamp, std::int32_t page) const;
};

// The clean-up list's one section.
inline constexpr std::string_view kStampSection = "STAMPED FILES";

// "Page_" + stamp + "_" + page + ".emf", page in plain decimal.
std::string PageFileName(std::string_view stamp, std::int32_t page);

// True for text shaped like a run stamp: a date serial number (digits and at
// most one decimal separator) then "_" and three digits. Anything with a path
// separator, "..", wildcards or other characters is not a stamp.
bool IsPageStamp(std::string_view text);

// The stamp part of a page file name, or empty when name is not
// "Page_<something>_<page>.emf" with the page in decimal, optionally negative:
// every name PageFileName makes is recognised, whatever page a host gave.
std::string_view StampOfPageFile(std::string_view name);

}  // namespace kelvppvw
