#include "gui/wizard/cherry_step7.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"

wxBEGIN_EVENT_TABLE(CherryStep7, CreationFrame)
    EVT_BUTTON(ID_CherryMinorAdd, CherryStep7::OnMinorAdd)
    EVT_BUTTON(ID_CherryMajorAdd, CherryStep7::OnMajorAdd)
    EVT_BUTTON(ID_CherryRemove, CherryStep7::OnRemove)
    EVT_BUTTON(ID_CherryRoll, CherryStep7::OnRoll)
wxEND_EVENT_TABLE()

namespace {

wxArrayString WxLines(const std::vector<std::string>& lines) {
    wxArrayString items;
    for (const std::string& line : lines) {
        items.Add(wxString::FromUTF8(line));
    }
    return items;
}

std::string Selected(const wxChoice* choice) {
    const int selected = choice->GetSelection();
    return selected == wxNOT_FOUND ? std::string()
                                   : std::string(choice->GetString(selected).utf8_str());
}

std::string Selected(const wxListBox* list) {
    const int selected = list->GetSelection();
    return selected == wxNOT_FOUND ? std::string()
                                   : std::string(list->GetString(selected).utf8_str());
}

} // namespace

CherryStep7::CherryStep7(wxWindow* parent, const wxString& title, const wxPoint& pos,
                         const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    BuildControls();
    FillFlawBox();
    FillEditChoice();
    FillFlawBox2();
}

void CherryStep7::BuildControls() {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY, "Quirks and Flaws gained for zero BP up to this point",
                     wxPoint(10, 5), wxSize(525, 18));
    held_list_ = new wxListBox(panel, ID_CherryHeldList, wxPoint(10, 25), wxSize(300, 110));
    new wxStaticText(panel, wxID_ANY, "Picked for BP", wxPoint(10, 145), wxSize(300, 18));
    pick_list_ = new wxListBox(panel, ID_CherryPickList, wxPoint(10, 165), wxSize(300, 110));

    new wxStaticText(panel, wxID_ANY, "Minor (2 BP each, two at most)", wxPoint(320, 25),
                     wxSize(215, 18));
    minor_choice_ = new wxChoice(panel, ID_CherryMinorChoice, wxPoint(320, 43), wxSize(215, 28));
    new wxButton(panel, ID_CherryMinorAdd, "Add Minor Quirk/Flaw", wxPoint(320, 73),
                 wxSize(215, 26));
    new wxStaticText(panel, wxID_ANY, "Major (4 BP, one at most)", wxPoint(320, 107),
                     wxSize(215, 18));
    major_choice_ = new wxChoice(panel, ID_CherryMajorChoice, wxPoint(320, 125), wxSize(215, 28));
    new wxButton(panel, ID_CherryMajorAdd, "Add Major Quirk/Flaw", wxPoint(320, 155),
                 wxSize(215, 26));
    new wxButton(panel, ID_CherryRemove, "Remove Quirk/Flaw", wxPoint(320, 190), wxSize(215, 26));
    new wxButton(panel, ID_CherryRoll, "Roll Randomly", wxPoint(320, 219), wxSize(215, 26));
    // Picking is optional, so Continue always goes on.
    MakeContinueButton(panel, wxPoint(320, 249), wxSize(215, 26));
}

void CherryStep7::FillFlawBox() {
    held_list_->Set(WxLines(step_.HeldList()));
}

void CherryStep7::FillEditChoice() {
    minor_choice_->Set(WxLines(step_.MinorChoices()));
    major_choice_->Set(WxLines(step_.MajorChoices()));
    if (minor_choice_->GetCount() > 0) {
        minor_choice_->SetSelection(0);
    }
    if (major_choice_->GetCount() > 0) {
        major_choice_->SetSelection(0);
    }
}

void CherryStep7::FillFlawBox2() {
    pick_list_->Set(WxLines(step_.PickList()));
}

void CherryStep7::OnMinorAdd(wxCommandEvent&) {
    step_.AddMinor(Selected(minor_choice_));
    FillFlawBox2();
}

void CherryStep7::OnMajorAdd(wxCommandEvent&) {
    step_.AddMajor(Selected(major_choice_));
    FillFlawBox2();
}

void CherryStep7::OnRemove(wxCommandEvent&) {
    step_.Remove(Selected(pick_list_));
    FillFlawBox2();
}

void CherryStep7::OnRoll(wxCommandEvent&) {
    if (!step_.RollRandomly()) {
        return;
    }
    GoOn(StepExit::kRollRandomly);
}

void CherryStep7::OnContinue(wxCommandEvent&) {
    step_.Continue();
    GoOn(StepExit::kContinue);
}
