#include "gui/wizard/skill_frame.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/base/window_registry.h"
#include "gui/wizard/list_view_fill.h"
#include "gui/wizard/two_list_shop.h"

wxBEGIN_EVENT_TABLE(SkillFrame, CreationFrame)
    EVT_COMBOBOX(ID_SkillFilter, SkillFrame::OnSkillBox)
    EVT_BUTTON(ID_SkillAdd, SkillFrame::OnAdd)
    EVT_BUTTON(ID_SkillRemove, SkillFrame::OnRemove)
wxEND_EVENT_TABLE()

namespace {

// Layout: the shop on the left, what is taken on the right, the balances along the bottom.
constexpr TwoListShopLayout kLayout = {.filter_label = "Select STP",
                                       .filter_x = 80,
                                       .filter_width = 280,
                                       .shop_label = "STP Information Box",
                                       .shop_width = 480,
                                       .held_label = "STPs You have taken",
                                       .held_x = 490,
                                       .held_width = 234,
                                       .list_height = 330,
                                       .filter_id = ID_SkillFilter,
                                       .shop_id = ID_SkillShopList,
                                       .held_id = ID_SkillTakenList,
                                       .add_id = ID_SkillAdd,
                                       .remove_id = ID_SkillRemove};

} // namespace

SkillFrame::SkillFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    BuildControls();
    FillShop();
    SetCurrentSkills();
}

void SkillFrame::BuildControls() {
    auto* panel = new wxPanel(this);
    wxArrayString filters;
    for (const char* name : kStpFilterNames) {
        filters.Add(name);
    }
    const TwoListShop shop(panel, kLayout, filters);
    filter_box_ = shop.filter;
    shop_list_ = shop.shop;
    taken_list_ = shop.held;
    const int kBalanceY = shop.below_lists + 34;
    new wxStaticText(panel, wxID_ANY, "Building Points", wxPoint(5, kBalanceY + 3));
    bp_box_ =
        new wxTextCtrl(panel, wxID_ANY, "", wxPoint(110, kBalanceY), wxSize(70, -1), wxTE_READONLY);
    new wxStaticText(panel, wxID_ANY, "Proficiency Slots", wxPoint(200, kBalanceY + 3));
    slots_box_ =
        new wxTextCtrl(panel, wxID_ANY, "", wxPoint(320, kBalanceY), wxSize(50, -1), wxTE_READONLY);
    // The menu's Continue, where the player looks for a way on.
    MakeContinueButton(panel, wxPoint(kLayout.held_x + kLayout.held_width - 140, kBalanceY),
                       wxSize(140, 26));
}

void SkillFrame::FillShop() {
    const int filter = filter_box_->GetSelection();
    FillListView(shop_list_, SkillPurchaseStep::Columns(filter), {}, step_.ShopRows(filter));
}

void SkillFrame::SetCurrentSkills() {
    FillListView(taken_list_, {"STP", "Value", "Type"}, {}, step_.TakenRows());
    bp_box_->ChangeValue(wxString::FromUTF8(step_.BuildingPointsText()));
    slots_box_->ChangeValue(wxString::FromUTF8(step_.ProficiencySlotsText()));
}

void SkillFrame::OnSkillBox(wxCommandEvent&) {
    FillShop();
}

void SkillFrame::OnAdd(wxCommandEvent&) {
    const int row = SelectedRow(shop_list_);
    if (row < 0) {
        return;
    }
    const Outcome bought = step_.Add(filter_box_->GetSelection(), RowName(shop_list_, row));
    SetStatusText(wxString::FromUTF8(bought.refusal()));
    if (bought) {
        SetCurrentSkills();
    }
}

void SkillFrame::OnRemove(wxCommandEvent&) {
    const int row = SelectedRow(taken_list_);
    if (row >= 0 && step_.Remove(row)) {
        SetCurrentSkills();
    }
}

void SkillFrame::OnContinue(wxCommandEvent&) {
    GoOn(step_.Continue());
}
