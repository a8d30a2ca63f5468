#include "gui/wizard/equip_frame.h"

#include "core/advance/spell_book.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/wizard/equipment_shop.h"
#include "gui/base/window_registry.h"
#include "gui/wizard/list_view_fill.h"
#include "gui/wizard/two_list_shop.h"

wxBEGIN_EVENT_TABLE(EquipFrame, CreationFrame)
    EVT_COMBOBOX(ID_EquipFilter, EquipFrame::OnFilterBox)
    EVT_LIST_ITEM_SELECTED(ID_EquipShopList, EquipFrame::OnShopSelected)
    EVT_BUTTON(ID_EquipAdd, EquipFrame::OnAdd)
    EVT_BUTTON(ID_EquipRemove, EquipFrame::OnRemove)
    EVT_BUTTON(ID_EquipDone, EquipFrame::OnContinue)
wxEND_EVENT_TABLE()

namespace {

// Layout: the shop on the left, what is owned on the right, the item's details below the shop.
constexpr TwoListShopLayout kLayout = {.filter_label = "Equipment Filter",
                                       .filter_x = 125,
                                       .filter_width = 250,
                                       .shop_label = nullptr,
                                       .shop_width = 345,
                                       .held_label = "Equipment you have purchased",
                                       .held_x = 365,
                                       .held_width = 275,
                                       .list_height = 300,
                                       .filter_id = ID_EquipFilter,
                                       .shop_id = ID_EquipShopList,
                                       .held_id = ID_EquipOwnedList,
                                       .add_id = ID_EquipAdd,
                                       .remove_id = ID_EquipRemove};

} // namespace

EquipFrame::EquipFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    wxArrayString categories;
    for (const std::string& name : EquipmentShop::Categories()) {
        categories.Add(wxString::FromUTF8(name));
    }
    const TwoListShop shop(panel, kLayout, categories);
    filter_box_ = shop.filter;
    shop_list_ = shop.shop;
    owned_list_ = shop.held;
    const int kButtonsY = shop.below_lists;
    const int kInformationY = kButtonsY + 52;
    new wxButton(panel, ID_EquipDone, "Done",
                 wxPoint(kLayout.held_x + kLayout.held_width - 100, kButtonsY), wxSize(100, 26));
    new wxStaticText(panel, wxID_ANY, "Equipment Information Box", wxPoint(5, kInformationY - 17));
    information_box_ =
        new wxTextCtrl(panel, wxID_ANY, "", wxPoint(5, kInformationY),
                       wxSize(kLayout.shop_width, 60), wxTE_MULTILINE | wxTE_READONLY);
    OnSelectionStart(0);
    SetCurrentEquip();
}

EquipFrame::~EquipFrame() {
    if (!Retired()) {
        EquipmentShop::Close();
    }
}

// The shop has nothing to go on to: its Continue closes it, as its close box does.
void EquipFrame::OnContinue(wxCommandEvent&) {
    GoOn(ShopClosed());
}

void EquipFrame::OnFilterBox(wxCommandEvent&) {
    OnSelectionStart(filter_box_->GetSelection());
}

void EquipFrame::OnSelectionStart(int category) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : EquipmentShop::ShopRows(category)) {
        rows.push_back({row.begin(), row.end()});
    }
    FillListView(shop_list_, {"Name", "Cost", "Coin"}, {195, 75, 55}, rows);
    information_box_->Clear();
}

void EquipFrame::OnShopSelected(wxListEvent& event) {
    information_box_->ChangeValue(wxString::FromUTF8(
        EquipmentShop::Description(RowName(shop_list_, static_cast<int>(event.GetIndex())))));
}

void EquipFrame::SetCurrentEquip() {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : EquipmentShop::PurchasedRows()) {
        rows.push_back({row.begin(), row.end()});
    }
    FillListView(owned_list_, {"Name", "Qty"}, {200, 50}, rows);
}

void EquipFrame::OnAdd(wxCommandEvent&) {
    const int row = SelectedRow(shop_list_);
    if (row < 0) {
        return;
    }
    const Outcome bought = EquipmentShop::Buy(RowName(shop_list_, row));
    SetStatusText(wxString::FromUTF8(bought.refusal()));
    if (bought) {
        SetCurrentEquip();
    }
}

void EquipFrame::OnRemove(wxCommandEvent&) {
    const int row = SelectedRow(owned_list_);
    if (row < 0 || !EquipmentShop::Sell(row)) {
        return;
    }
    SetCurrentEquip();
    if (row < owned_list_->GetItemCount()) {
        owned_list_->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    }
}
