#include "gui/wizard/frame_step8.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/model/abilities.h"
#include "core/model/character.h"
#include "core/wizard/ability_race_step.h"
#include "gui/base/number_entry.h"
#include "gui/base/window_registry.h"

wxBEGIN_EVENT_TABLE(FrameStep8, CreationFrame)
    EVT_BUTTON(ID_Step8Apply, FrameStep8::ApplyAbilities)
    EVT_BUTTON(ID_Step8ContinueButton, FrameStep8::OnContinue)
    EVT_LISTBOX(ID_Step8ClassList, FrameStep8::OnListBox)
wxEND_EVENT_TABLE()

namespace {

// Layout: the seven ability rows on the left, the class list and buttons on the right.
constexpr int kRowTop = 18;
constexpr int kRowHeight = 22;
constexpr int kBoxHeight = 21;
constexpr int kScoreX = 98;
constexpr int kBpX = 162;
constexpr int kRightX = 215;
constexpr int kRightWidth = 240;

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

} // namespace

FrameStep8::FrameStep8(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    BuildControls();
    Show_Abilities();
}

void FrameStep8::BuildControls() {
    auto* panel = new wxPanel(this);
    new wxStaticText(panel, wxID_ANY, "BP", wxPoint(kBpX + 10, 2));
    for (int i = 0; i < RaiseClassStep::kAbilities; ++i) {
        const int y = kRowTop + kRowHeight * i;
        new wxStaticText(panel, wxID_ANY, kAbilityTable[i].full, wxPoint(5, y + 3), wxSize(90, 18));
        score_boxes_[i] = new wxTextCtrl(panel, wxID_ANY, "0", wxPoint(kScoreX, y),
                                         wxSize(58, kBoxHeight), wxTE_READONLY);
        bp_boxes_[i] =
            new wxTextCtrl(panel, wxID_ANY, "0", wxPoint(kBpX, y), wxSize(40, kBoxHeight));
        AcceptWholeNumbers(bp_boxes_[i], -RaiseClassStep::kMostBpOnOneEntry,
                           RaiseClassStep::kMostBpOnOneEntry);
    }
    const int balance_y = kRowTop + kRowHeight * RaiseClassStep::kAbilities + 2;
    // The balance sits under the BP column it is spent from.
    new wxStaticText(panel, wxID_ANY, "Building Points", wxPoint(5, balance_y + 3),
                     wxSize(kBpX - 10, 18));
    balance_box_ = new wxTextCtrl(panel, wxID_ANY, "0", wxPoint(kBpX, balance_y),
                                  wxSize(48, kBoxHeight), wxTE_READONLY);

    class_list_ =
        new wxListBox(panel, ID_Step8ClassList, wxPoint(kRightX, 5), wxSize(kRightWidth, 130));
    new wxButton(panel, ID_Step8Apply, "Apply BP Adjustments", wxPoint(kRightX, 140),
                 wxSize(kRightWidth, 26));
    new wxButton(panel, ID_Step8ContinueButton, "Continue", wxPoint(kRightX, 170),
                 wxSize(kRightWidth, 26));
}

void FrameStep8::Show_Abilities() {
    const auto scores = step_.ScoreTexts();
    for (int i = 0; i < RaiseClassStep::kAbilities; ++i) {
        score_boxes_[i]->ChangeValue(Wx(scores[i]));
        bp_boxes_[i]->ChangeValue(Wx(step_.BpEntries()[i]));
    }
    balance_box_->ChangeValue(Wx(step_.BuildingPointsText()));
    wxArrayString names;
    for (const std::string& name : step_.ClassEntries()) {
        names.Add(Wx(name));
    }
    class_list_->Set(names);
}

void FrameStep8::ApplyAbilities(wxCommandEvent&) {
    std::array<std::string, RaiseClassStep::kAbilities> entries;
    for (int i = 0; i < RaiseClassStep::kAbilities; ++i) {
        entries[i] = bp_boxes_[i]->GetValue().utf8_str();
    }
    step_.ApplyAbilities(entries);
    Show_Abilities();
}

void FrameStep8::OnListBox(wxCommandEvent&) {
    SelectListBox();
}

void FrameStep8::SelectListBox() {
    const int selected = class_list_->GetSelection();
    if (selected == wxNOT_FOUND) {
        return;
    }
    step_.SelectListBox(std::string(class_list_->GetString(selected).utf8_str()));
}

// The Age and Money window takes this window's place; the thief skills, open at the same time,
// go beside it so that both can be seen.
void FrameStep8::OnContinue(wxCommandEvent&) {
    GoOn(step_.Continue());
}
