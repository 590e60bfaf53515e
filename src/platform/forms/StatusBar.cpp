#include "platform/forms/StatusBar.h"

#include "platform/automation/AutomationError.h"
#include "platform/forms/FormsErrors.h"
#include "platform/forms/NativeConvert.h"
#include "platform/forms/Panel.h"
#include "platform/forms/StatusBarWidget.h"

#include <QLabel>
#include <QPointer>

namespace kelvppvw {

namespace {
constexpr int Margin = 2, Gap = 2;
} // namespace

struct StatusBar::Natives {
    std::vector<QPointer<QLabel>> labels;
};

StatusBar::StatusBar() : natives_(std::make_unique<Natives>()) {
    auto* bar = new StatusBarWidget(*this);
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
    // Panels are the bar's accessible children in panel order.
    label->setParent(widget());
    label->show();
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
    label->setAccessibleName(qs(panel.Text()));
    static const Qt::Alignment align[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    label->setAlignment(align[panel.Alignment()] | Qt::AlignVCenter);
    layoutPanels();
}

// Fixed panels keep their width, fitted ones their text's, springs share what
// is left. A bar too narrow for them all cuts the last ones off at its edge,
// like the classic control; nothing ever overlaps.
void StatusBar::layoutPanels() {
    QWidget* bar = widget();
    if (!bar)
        return;
    std::vector<int> widths;
    int used = 0, springs = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const Panel& panel = *panels_[i];
        int w = twipsToPixels(panel.Width());
        if (panel.AutoSize() == 2 && natives_->labels[i])
            w = std::max(w, natives_->labels[i]->sizeHint().width());
        springs += panel.AutoSize() == 1 ? 1 : 0;
        widths.push_back(w);
        used += w + Gap;
    }
    const int room = bar->width() - 2 * Margin;
    const int spare = std::max(0, room - used + Gap);
    int x = Margin, springSeen = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        QLabel* label = natives_->labels[i];
        if (!label)
            continue;
        int w = widths[i];
        if (panels_[i]->AutoSize() == 1) {
            ++springSeen;
            w += spare / springs + (springSeen == springs ? spare % springs : 0);
        }
        w = std::max(0, std::min(w, Margin + room - x));
        label->setGeometry(x, Margin, w, std::max(0, bar->height() - 2 * Margin));
        label->setVisible(w > 0);
        // A cut-off text without a tool tip of its own shows in full as the tool tip.
        const std::string& tip = panels_[i]->ToolTipText();
        const bool cut = label->sizeHint().width() > w;
        label->setToolTip(qs(!tip.empty() ? tip : cut ? panels_[i]->Text() : std::string()));
        x += w + Gap;
    }
}

void StatusBar::nativeMouseDown(int16_t button, int16_t shift, double px, double py) {
    if (onMouseDown)
        onMouseDown(button, shift, static_cast<float>(px * TwipsPerPixel), static_cast<float>(py * TwipsPerPixel));
}

} // namespace kelvppvw
