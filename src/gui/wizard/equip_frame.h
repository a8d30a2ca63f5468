#pragma once

#include "gui/wizard/creation_frame.h"

class wxComboBox;
class wxListCtrl;
class wxListEvent;
class wxTextCtrl;

// The window's own command identifiers.
enum : int {
    ID_EquipFilter = 10180,
    ID_EquipAdd = 10181,
    ID_EquipRemove = 10182,
    ID_EquipShopList = 10183,
    ID_EquipOwnedList = 10184,
    ID_EquipDone = 10185,
};

// The shop: the "Equipment Filter" box chooses a category, "Add Selection" buys the selected
// item and "Remove Selection" sells one of the selected owned item back; a purchase the purse
// does not allow says why in the status bar. There is nothing to go on to; "Done", like
// Continue or closing the window, ends the creation and shows the equipment in the tree.
class EquipFrame : public CreationFrame {
public:
    EquipFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~EquipFrame() override;

    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kShop; }

    void OnFilterBox(wxCommandEvent& event);
    void OnSelectionStart(int category);
    void OnShopSelected(wxListEvent& event);
    void OnAdd(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void SetCurrentEquip();

    // The controls, for the tests.
    wxComboBox* FilterBox() const { return filter_box_; }
    wxListCtrl* ShopList() const { return shop_list_; }
    wxListCtrl* OwnedList() const { return owned_list_; }
    wxTextCtrl* InformationBox() const { return information_box_; }

private:
    wxComboBox* filter_box_ = nullptr;
    wxListCtrl* shop_list_ = nullptr;
    wxListCtrl* owned_list_ = nullptr;
    wxTextCtrl* information_box_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
