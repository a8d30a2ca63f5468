#pragma once

#include <wx/frame.h>

#include "core/wizard/free_proficiency_choice.h"

class wxListBox;
class wxStaticText;

// The list of melee weapon proficiencies a fighter's basic training offers for free.
// Double-clicking one (or Enter) takes it, when the character has a free slot and does not
// hold it yet, and closes the window; any other choice changes nothing. A single click only
// selects: the desktop selects the first row whenever the list gets the focus, and that must
// not take a proficiency.
class FrameFighterBGQ : public wxFrame {
public:
    // `kind` is "Melee Weapon" or "Melee Weapon Limited".
    FrameFighterBGQ(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size,
                    const wxString& kind);

    void OnListBox(wxCommandEvent& event);

    // For the tests.
    wxListBox* List() const { return list_; }
    const FreeProficiencyChoice& Choice() const { return choice_; }

private:
    void ShowFreeSlots();

    FreeProficiencyChoice choice_;
    wxListBox* list_ = nullptr;
    wxStaticText* slots_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
