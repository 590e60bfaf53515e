#pragma once
// Drives the options dialog as a user does: Qt Test events on its widgets,
// found by their control names; the colour dialog answered by a script.
#include "platform/forms/ModalScript.h"
#include "settings/frmPPVOS.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTest>

#include <string>

namespace kelvppvw::options_test {

inline QWidget* find(const frmPPVOS& f, const std::string& name) {
    auto* w = f.widget()->findChild<QWidget*>(QString::fromStdString(name));
    EXPECT_TRUE(w) << name;
    return w;
}

inline void click(const frmPPVOS& f, const std::string& name, Qt::MouseButton button = Qt::LeftButton) {
    if (QWidget* w = find(f, name))
        QTest::mouseClick(w, button, {}, QPoint(6, w->height() / 2));
}

// Row `row`'s picker opens the colour dialog, where `color` is chosen.
inline void choose(const frmPPVOS& f, int row, uint32_t color) {
    ModalScript::push([color](ModalMoment&) { return int(color); });
    click(f, "BrowseForColor1(" + std::to_string(row) + ")");
}

// Drags the bar's thumb to `value` and lets go. The dialog's bars hold their
// largest value at the top, where Qt keeps its minimum: Qt runs them on the
// negated values.
inline void drag(const frmPPVOS& f, const std::string& bar, int value) {
    if (auto* b = qobject_cast<QScrollBar*>(find(f, bar))) {
        b->setSliderDown(true);
        b->setSliderPosition(-value);
        b->setSliderDown(false);
    }
}

} // namespace kelvppvw::options_test
