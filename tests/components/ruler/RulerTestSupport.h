#pragma once

#include "components/ruler/Ruler.h"

#include <QApplication>
#include <QImage>

#include <string>
#include <vector>

namespace kelvppvw::test {

// One GUI application for the whole test program, on the offscreen platform
// ctest selects.
inline QApplication& application() {
    static int argc = 1;
    static char name[] = "test_components_ruler";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

inline QRgb rgbOf(int32_t oleColor) { return RulerPainter::toColor(oleColor).rgb(); }

struct RaisedEvent {
    std::string name;
    Args args;
};

// Records every event a ruler raises.
class EventLog {
public:
    explicit EventLog(EventSource& source) {
        source.connect([this](std::string_view name, Args& args) { events.push_back({std::string(name), args}); });
    }
    std::vector<RaisedEvent> named(const std::string& name) const {
        std::vector<RaisedEvent> out;
        for (const auto& e : events)
            if (e.name == name)
                out.push_back(e);
        return out;
    }
    std::vector<RaisedEvent> events;
};

} // namespace kelvppvw::test
