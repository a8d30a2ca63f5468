#include "gui/wizard/frame_step7.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "core/model/program_state.h"
#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"

wxBEGIN_EVENT_TABLE(FrameStep7, CreationFrame)
    EVT_BUTTON(ID_Step7Roll, FrameStep7::OnRoll)
wxEND_EVENT_TABLE()

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

} // namespace

FrameStep7::FrameStep7(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    BuildControls();
    ShowStep();
}

void FrameStep7::BuildControls() {
    auto* panel = new wxPanel(this);
    // The table box takes the whole width, so the longest table names show whole.
    new wxStaticText(panel, wxID_ANY, "Table to roll on", wxPoint(10, 10));
    table_box_ = new wxComboBox(panel, ID_Step7TableBox, "", wxPoint(10, 30), wxSize(525, 28), 0,
                                nullptr, wxCB_READONLY);
    new wxButton(panel, ID_Step7Roll, "Roll for Quirk or Flaw", wxPoint(10, 64), wxSize(200, 28));
    new wxStaticText(panel, wxID_ANY, "Quirks and Flaws Gained", wxPoint(10, 102));
    gained_list_ = new wxListBox(panel, ID_Step7GainedList, wxPoint(10, 122), wxSize(525, 262));
    balance_label_ =
        new wxStaticText(panel, wxID_ANY, "", wxPoint(10, 392), wxSize(90, 20), wxST_NO_AUTORESIZE);
    quirk_bp_label_ = new wxStaticText(panel, wxID_ANY, "", wxPoint(110, 392), wxSize(220, 20),
                                       wxST_NO_AUTORESIZE);
    owed_label_ = new wxStaticText(panel, wxID_ANY, "", wxPoint(340, 392), wxSize(195, 20),
                                   wxST_NO_AUTORESIZE);
    continue_button_ = MakeContinueButton(panel, wxPoint(415, 418), wxSize(120, 28));
}

void FrameStep7::ShowStep() {
    wxArrayString tables;
    for (const std::string& table : step_.Tables()) {
        tables.Add(Wx(table));
    }
    table_box_->Set(tables);
    if (!tables.IsEmpty()) {
        table_box_->SetSelection(step_.Selected());
    }
    FillFlawBox();
    balance_label_->SetLabel(Wx(step_.BalanceText()));
    quirk_bp_label_->SetLabel(wxString::Format("BP from quirks and flaws: %i", step_.QuirkBpSum()));
    const int owed = program_data.quirk_rolls_pending + step_.OwedRolls();
    owed_label_->SetLabel(wxString::Format("Rolls still to make: %i", owed > 0 ? owed : 0));
    continue_button_->Enable(owed <= 0);
}

void FrameStep7::FillFlawBox() {
    wxArrayString lines;
    for (const std::string& line : step_.GainedList()) {
        lines.Add(Wx(line));
    }
    gained_list_->Set(lines);
}

void FrameStep7::OnRoll(wxCommandEvent&) {
    if (step_.Roll(table_box_->GetSelection())) {
        ShowStep();
    }
}

void FrameStep7::OnContinue(wxCommandEvent&) {
    GoOn(step_.Continue());
}
