#pragma once

#include <wx/arrstr.h>

class wxComboBox;
class wxListCtrl;
class wxPanel;

// The shape the two shop windows share (skills, talents and proficiencies; equipment): a
// filter box with its label along the top, the list of what can be bought on the left, the
// list of what is held on the right under its label, and "Add Selection" and "Remove
// Selection" under the two lists. Each window adds what is its own below.
struct TwoListShopLayout {
    const char* filter_label;
    int filter_x;
    int filter_width;
    const char* shop_label; // above the shop list, or null
    int shop_width;
    const char* held_label;
    int held_x;
    int held_width;
    int list_height;
    int filter_id, shop_id, held_id, add_id, remove_id;
};

struct TwoListShop {
    // Builds the controls on `panel`; the filter shows `filters` with the first chosen.
    TwoListShop(wxPanel* panel, const TwoListShopLayout& layout, const wxArrayString& filters);

    wxComboBox* filter = nullptr;
    wxListCtrl* shop = nullptr;
    wxListCtrl* held = nullptr;
    int below_lists = 0; // the top of the two buttons
};
