#pragma once

#include "core/wizard/skill_purchase_step.h"
#include "gui/wizard/creation_frame.h"

class wxComboBox;
class wxListCtrl;
class wxListEvent;
class wxTextCtrl;

// The window's own command identifiers.
enum : int {
    ID_SkillFilter = 10160,
    ID_SkillAdd = 10161,
    ID_SkillRemove = 10162,
    ID_SkillShopList = 10163,
    ID_SkillTakenList = 10164,
};

// Buying skills, talents and weapon proficiencies with Building Points: the "Select STP" box
// chooses what the shop list shows, "Add Selection" buys the selected row and "Remove
// Selection" gives back the selected row of the taken list. Continue cashes the left-over BP
// in and opens the alignment step (or, for a character of Wisdom 5 or less, the shop).
// Opened from the character tree, it edits the character and Continue only closes it.
class SkillFrame : public CreationFrame {
public:
    SkillFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnSkillBox(wxCommandEvent& event);
    void OnAdd(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kSkills; }

    // The controls, for the tests.
    wxComboBox* FilterBox() const { return filter_box_; }
    wxListCtrl* ShopList() const { return shop_list_; }
    wxListCtrl* TakenList() const { return taken_list_; }
    wxTextCtrl* BuildingPointsBox() const { return bp_box_; }
    wxTextCtrl* SlotsBox() const { return slots_box_; }

private:
    void BuildControls();
    void FillShop();
    void SetCurrentSkills();

    SkillPurchaseStep step_;
    wxComboBox* filter_box_ = nullptr;
    wxListCtrl* shop_list_ = nullptr;
    wxListCtrl* taken_list_ = nullptr;
    wxTextCtrl* bp_box_ = nullptr;
    wxTextCtrl* slots_box_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
