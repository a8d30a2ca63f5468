#pragma once

#include "core/advance/spell_book.h"
#include "gui/wizard/creation_frame.h"

class wxComboBox;
class wxListCtrl;
class wxStaticText;

// The window's own command identifiers.
enum : int {
    ID_SpellFilter = 10170,
    ID_SpellLearn = 10171,
    ID_SpellRemove = 10172,
    ID_SpellShopList = 10173,
    ID_SpellBookList = 10174,
};

// The spell book of the character in hand: the spells open to it on the left (filtered by
// level or school), the book with its pages on the right. "Add Selection" learns the selected
// spell (a roll for a Magic-User spell, whose result the status bar tells) or takes it (a
// Priest spell); "Remove Selection" strikes a spell from the book. Continue closes it.
class SpellBookFrame : public CreationFrame {
public:
    SpellBookFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnFilter(wxCommandEvent& event);
    void OnLearn(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnContinue(wxCommandEvent& event) override;
    std::optional<StepId> FlowStep() const override { return StepId::kSpellBook; }

    // The controls, for the tests.
    wxComboBox* FilterBox() const { return filter_box_; }
    wxListCtrl* OpenList() const { return open_list_; }
    wxListCtrl* BookList() const { return book_list_; }

private:
    void FillOpen();
    void FillBook();

    SpellBookStep step_;
    wxComboBox* filter_box_ = nullptr;
    wxListCtrl* open_list_ = nullptr;
    wxListCtrl* book_list_ = nullptr;
    wxStaticText* chance_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
