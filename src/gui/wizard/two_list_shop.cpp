#include "gui/wizard/two_list_shop.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>

namespace {

constexpr int kListTop = 52;
constexpr int kLabelAbove = 17;
const wxSize kButtonSize(140, 26);

} // namespace

TwoListShop::TwoListShop(wxPanel* panel, const TwoListShopLayout& layout,
                         const wxArrayString& filters) {
    new wxStaticText(panel, wxID_ANY, layout.filter_label, wxPoint(5, 9));
    filter = new wxComboBox(panel, layout.filter_id, "", wxPoint(layout.filter_x, 5),
                            wxSize(layout.filter_width, -1), filters, wxCB_READONLY);
    if (!filters.empty()) {
        filter->SetSelection(0);
    }
    if (layout.shop_label) {
        new wxStaticText(panel, wxID_ANY, layout.shop_label, wxPoint(5, kListTop - kLabelAbove));
    }
    shop = new wxListCtrl(panel, layout.shop_id, wxPoint(5, kListTop),
                          wxSize(layout.shop_width, layout.list_height),
                          wxLC_REPORT | wxLC_SINGLE_SEL);
    new wxStaticText(panel, wxID_ANY, layout.held_label,
                     wxPoint(layout.held_x, kListTop - kLabelAbove));
    held = new wxListCtrl(panel, layout.held_id, wxPoint(layout.held_x, kListTop),
                          wxSize(layout.held_width, layout.list_height),
                          wxLC_REPORT | wxLC_SINGLE_SEL);
    below_lists = kListTop + layout.list_height + 6;
    new wxButton(panel, layout.add_id, "Add Selection", wxPoint(5, below_lists), kButtonSize);
    new wxButton(panel, layout.remove_id, "Remove Selection", wxPoint(layout.held_x, below_lists),
                 kButtonSize);
}
