#include "gui/wizard/spell_book_frame.h"

#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "gui/wizard/list_view_fill.h"
#include "gui/wizard/two_list_shop.h"

wxBEGIN_EVENT_TABLE(SpellBookFrame, CreationFrame)
    EVT_COMBOBOX(ID_SpellFilter, SpellBookFrame::OnFilter)
    EVT_BUTTON(ID_SpellLearn, SpellBookFrame::OnLearn)
    EVT_BUTTON(ID_SpellRemove, SpellBookFrame::OnRemove)
wxEND_EVENT_TABLE()

namespace {

// Layout: the spells open on the left, the book on the right, the learning chance below.
constexpr TwoListShopLayout kLayout = {.filter_label = "Spells to show",
                                       .filter_x = 110,
                                       .filter_width = 250,
                                       .shop_label = "Spells open to the character",
                                       .shop_width = 600,
                                       .held_label = "The spell book",
                                       .held_x = 610,
                                       .held_width = 284,
                                       .list_height = 330,
                                       .filter_id = ID_SpellFilter,
                                       .shop_id = ID_SpellShopList,
                                       .held_id = ID_SpellBookList,
                                       .add_id = ID_SpellLearn,
                                       .remove_id = ID_SpellRemove};

} // namespace

SpellBookFrame::SpellBookFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                               const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    wxArrayString filters;
    for (const std::string& name : step_.Filters()) {
        filters.Add(wxString::FromUTF8(name));
    }
    const TwoListShop shop(panel, kLayout, filters);
    filter_box_ = shop.filter;
    open_list_ = shop.shop;
    book_list_ = shop.held;
    const int below = shop.below_lists + 34;
    chance_ = new wxStaticText(panel, wxID_ANY, wxString::FromUTF8(step_.ChanceText()),
                               wxPoint(5, below + 3));
    MakeContinueButton(panel, wxPoint(kLayout.held_x + kLayout.held_width - 140, below),
                       wxSize(140, 26));
    FillOpen();
    FillBook();
}

void SpellBookFrame::FillOpen() {
    FillListView(open_list_, SpellBookStep::ShopColumns(), {},
                 step_.ShopRows(filter_box_->GetSelection()));
}

void SpellBookFrame::FillBook() {
    FillListView(book_list_, {"Spell", "Level", "Pages"}, {}, step_.BookRows());
}

void SpellBookFrame::OnFilter(wxCommandEvent&) {
    FillOpen();
}

void SpellBookFrame::OnLearn(wxCommandEvent&) {
    const int row = SelectedRow(open_list_);
    if (row < 0) {
        return;
    }
    const Outcome learned = step_.Learn(RowName(open_list_, row));
    SetStatusText(wxString::FromUTF8(learned ? step_.Told() : learned.refusal()));
    if (learned) {
        FillOpen();
        FillBook();
    }
}

void SpellBookFrame::OnRemove(wxCommandEvent&) {
    const int row = SelectedRow(book_list_);
    if (row >= 0 && step_.Remove(row)) {
        FillOpen();
        FillBook();
    }
}

void SpellBookFrame::OnContinue(wxCommandEvent&) {
    GoOn(step_.Continue());
}
