#include "gui/wizard/skill_frame.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "gui/base/window_registry.h"
#include "gui/wizard/list_view_fill.h"

wxBEGIN_EVENT_TABLE(SkillFrame, CreationFrame)
    EVT_COMBOBOX(ID_SkillFilter, SkillFrame::OnSkillBox)
    EVT_BUTTON(ID_SkillAdd, SkillFrame::OnAdd)
    EVT_BUTTON(ID_SkillRemove, SkillFrame::OnRemove)
wxEND_EVENT_TABLE()

namespace {

// Layout: the shop on the left, what is taken on the right, the balances along the bottom.
constexpr int kListTop = 52;
constexpr int kListHeight = 330;
constexpr int kShopWidth = 480;
constexpr int kTakenX = 490;
constexpr int kTakenWidth = 234;
constexpr int kButtonsY = kListTop + kListHeight + 6;
constexpr int kBalanceY = kButtonsY + 34;

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
    new wxStaticText(panel, wxID_ANY, "Select STP", wxPoint(5, 9));
    wxArrayString filters;
    for (const char* name : kStpFilterNames) {
        filters.Add(name);
    }
    filter_box_ = new wxComboBox(panel, ID_SkillFilter, filters[0], wxPoint(80, 5), wxSize(280, -1),
                                 filters, wxCB_READONLY);
    filter_box_->SetSelection(0);
    new wxStaticText(panel, wxID_ANY, "STP Information Box", wxPoint(5, kListTop - 17));
    shop_list_ = new wxListCtrl(panel, ID_SkillShopList, wxPoint(5, kListTop),
                                wxSize(kShopWidth, kListHeight), wxLC_REPORT | wxLC_SINGLE_SEL);
    new wxStaticText(panel, wxID_ANY, "STPs You have taken", wxPoint(kTakenX, kListTop - 17));
    taken_list_ = new wxListCtrl(panel, ID_SkillTakenList, wxPoint(kTakenX, kListTop),
                                 wxSize(kTakenWidth, kListHeight), wxLC_REPORT | wxLC_SINGLE_SEL);
    new wxButton(panel, ID_SkillAdd, "Add Selection", wxPoint(5, kButtonsY), wxSize(140, 26));
    new wxButton(panel, ID_SkillRemove, "Remove Selection", wxPoint(kTakenX, kButtonsY),
                 wxSize(140, 26));
    new wxStaticText(panel, wxID_ANY, "Building Points", wxPoint(5, kBalanceY + 3));
    bp_box_ =
        new wxTextCtrl(panel, wxID_ANY, "", wxPoint(110, kBalanceY), wxSize(70, -1), wxTE_READONLY);
    new wxStaticText(panel, wxID_ANY, "Proficiency Slots", wxPoint(200, kBalanceY + 3));
    slots_box_ =
        new wxTextCtrl(panel, wxID_ANY, "", wxPoint(320, kBalanceY), wxSize(50, -1), wxTE_READONLY);
    // The menu's Continue, where the player looks for a way on.
    MakeContinueButton(panel, wxPoint(kTakenX + kTakenWidth - 140, kBalanceY), wxSize(140, 26));
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
    if (step_.Add(filter_box_->GetSelection(), RowName(shop_list_, row))) {
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
