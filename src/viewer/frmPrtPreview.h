#pragma once

#include "platform/forms/Form.h"

#include <memory>
#include <string>

namespace kelvppvw {

class clsPreview;

// The modal preview window. The host's print data object reaches its public
// operations by name through the Parent it receives.
class frmPrtPreview : public Form {
public:
    frmPrtPreview();

    std::shared_ptr<clsPreview> gm_clsPreview() const { return gm_clsPreview_; }
    void set_gm_clsPreview(std::shared_ptr<clsPreview> preview) { gm_clsPreview_ = std::move(preview); }

    const std::string& sTitleText() const { return sTitleText_; }
    void set_sTitleText(const std::string& text) { sTitleText_ = text; }
    const std::string& sListText() const { return sListText_; }
    void set_sListText(const std::string& text) { sListText_ = text; }

    int32_t cMilling() const;
    void set_cMilling(int32_t vNewcMilling);

    void SetBarFlatOrNone(bool bBarValue) { mbFlatToolbars = bBarValue; }
    void ShowPOButton(bool bPOBValue) { mbShowPrintOptions = bPOBValue; }

    bool mbFlatToolbars = false;
    bool mbShowPrintOptions = false;

protected:
    void Form_Load() override;

private:
    std::shared_ptr<clsPreview> gm_clsPreview_;
    std::string sTitleText_;
    std::string sListText_;
};

} // namespace kelvppvw
