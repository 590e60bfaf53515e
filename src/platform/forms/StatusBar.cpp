#include "platform/forms/StatusBar.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/Panel.h"
#include "platform/forms/StatusBarWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>

namespace kelvppvw {

struct StatusBar::Natives {
    QHBoxLayout* layout = nullptr;
    std::vector<QPointer<QLabel>> labels;
};

StatusBar::StatusBar() : natives_(std::make_unique<Natives>()) {
    auto* bar = new StatusBarWidget(*this);
    natives_->layout = new QHBoxLayout(bar);
    natives_->layout->setContentsMargins(2, 2, 2, 2);
    natives_->layout->setSpacing(2);
    natives_->layout->addStretch(0);
    setWidget(bar);
    bar->setAutoFillBackground(true);
    SetHeight(375);
    SetAlign(2);
    indexedProperty("Panels", [this](Args& a) {
        if (a.empty())
            throw AutomationError(err::ArgumentNotOptional);
        if (a[0].type() == Variant::Type::String) {
            for (const auto& p : panels_)
                if (p->Key() == a[0].toString())
                    return Variant(p);
            throw AutomationError(err::ElementNotFound, "Element not found");
        }
        return Variant(Panels(a[0].toLong()).shared_from_this());
    });
}

StatusBar::~StatusBar() = default;

std::shared_ptr<Panel> StatusBar::AddPanel(std::string key, std::string text) {
    auto panel = std::make_shared<Panel>(*this, PanelCount() + 1, std::move(key));
    panels_.push_back(panel);
    auto* label = new QLabel();
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setObjectName(QStringLiteral("panel%1").arg(panel->Index()));
    natives_->layout->insertWidget(PanelCount() - 1, label);
    natives_->labels.emplace_back(label);
    panel->SetText(text);
    return panel;
}

Panel& StatusBar::Panels(int index) const {
    if (index < 1 || index > PanelCount())
        throw AutomationError(err::IndexOutOfBounds, "Index out of bounds");
    return *panels_[index - 1];
}

void StatusBar::panelChanged(Panel& panel) {
    const size_t i = static_cast<size_t>(panel.Index() - 1);
    if (i >= natives_->labels.size() || !natives_->labels[i])
        return;
    QLabel* label = natives_->labels[i];
    label->setText(qs(panel.Text()));
    label->setToolTip(qs(panel.ToolTipText()));
    static const Qt::Alignment align[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    label->setAlignment(align[panel.Alignment()] | Qt::AlignVCenter);
    natives_->layout->setStretchFactor(label, panel.AutoSize() == 1 ? 1 : 0);
    if (panel.AutoSize() == 0) {
        label->setFixedWidth(twipsToPixels(panel.Width()));
    } else {
        label->setMinimumWidth(panel.AutoSize() == 2 ? label->sizeHint().width() : twipsToPixels(panel.Width()));
        label->setMaximumWidth(QWIDGETSIZE_MAX);
    }
}

void StatusBar::nativeMouseDown(int16_t button, int16_t shift, double px, double py) {
    if (onMouseDown)
        onMouseDown(button, shift, static_cast<float>(px * TwipsPerPixel), static_cast<float>(py * TwipsPerPixel));
}

} // namespace kelvppvw
