#include "platform/forms/ColorDialog.h"

#include "platform/forms/Application.h"
#include "platform/forms/ModalScript.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/OleColor.h"

#include <QApplication>
#include <QColorDialog>

namespace kelvppvw {

std::optional<uint32_t> ChooseColor(uint32_t initial, const std::string& title) {
    Application::ensure();
    const uint32_t start = TryResolveColor(initial).value_or(0);
    ModalMoment moment{ModalKind::ColorDialog, title, std::to_string(start), 0, nullptr};
    if (ModalAction action = ModalScript::take(moment)) {
        const int picked = action(moment);
        if (picked < 0 || static_cast<uint32_t>(picked) > 0x00FFFFFFu)
            return std::nullopt;
        return static_cast<uint32_t>(picked);
    }
    if (Application::isHeadless())
        return std::nullopt;
    const QColor chosen = QColorDialog::getColor(toQColor(start), QApplication::activeWindow(), qs(title));
    if (!chosen.isValid())
        return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

} // namespace kelvppvw
