// Any bytes must parse, serialise back unchanged, answer lookups, and take
// edits whose result reads back as written.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/profile/IniDocument.h"

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    kelvppvw::IniDocument doc = kelvppvw::IniDocument::parse(bytes);
    check(doc.serialize() == bytes);

    for (std::string_view section : doc.sectionNames()) {
        for (std::string_view key : doc.keyNames(section))
            (void)doc.value(section, key);
        (void)doc.sectionLines(section);
    }

    kelvppvw::IniDocument edited = doc;
    edited.setValue("fz", "Key", "v 1");
    edited.setValue("FZ", "other", "");
    check(kelvppvw::IniDocument::parse(edited.serialize()).value("fz", "key") == "v 1");
    const std::size_t lines = edited.lineCount();
    // A later duplicate of the key may surface; exactly one line goes.
    check(edited.removeKey("fz", "KEY") && edited.lineCount() == lines - 1);
    edited.removeEntries("fz", {{"other", ""}, {"missing", "x"}});
    edited.removeSection("fz");
    check(!kelvppvw::IniDocument::parse(edited.serialize()).hasSection("fz"));
    return 0;
}
