#include "gui/gm/critical_frame.h"

#include <string>

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/data/data_numbers.h"
#include "core/dice/dice.h"
#include "core/gm/critical_hit.h"
#include "gui/base/app_icon.h"
#include "gui/base/number_entry.h"

wxBEGIN_EVENT_TABLE(CriticalFrame, wxFrame)
    EVT_BUTTON(ID_CriticalRollBase, CriticalFrame::OnRollBase)
    EVT_BUTTON(ID_CriticalRollSevere, CriticalFrame::OnRollSevere)
    EVT_BUTTON(ID_CriticalExplain, CriticalFrame::OnExplain)
wxEND_EVENT_TABLE()

namespace {

// A typed number as the program reads one: leading blanks, a sign, digits; no digits is 0.
int FieldNumber(const wxTextCtrl* field) {
    return AtoiSaturating(std::string(field->GetValue().utf8_str()));
}

wxArrayString Items(const char* const* first, const char* const* last) {
    wxArrayString items;
    for (const char* const* item = first; item != last; ++item) {
        items.Add(wxString::FromUTF8(*item));
    }
    return items;
}

} // namespace

CriticalFrame::CriticalFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                             const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size) {
    SetIcon(SampleIcon());
    auto* panel = new wxPanel(this);
    auto label = [panel](const char* text) { return new wxStaticText(panel, wxID_ANY, text); };
    constexpr int kGap = 4;
    const auto centred = wxALIGN_CENTER_VERTICAL | wxRIGHT;

    // Location roll, then base severity and severity level.
    auto* rolls = new wxBoxSizer(wxHORIZONTAL);
    rolls->Add(new wxButton(panel, ID_CriticalRollBase, "Roll"), 0, centred, kGap);
    location_ = new wxTextCtrl(panel, wxID_ANY, "", wxDefaultPosition, wxSize(70, -1));
    rolls->Add(location_, 0, centred, kGap);
    rolls->Add(label("d10,000"), 0, centred, 3 * kGap);
    rolls->Add(label("BSL"), 0, centred, kGap);
    base_severity_ = new wxTextCtrl(panel, wxID_ANY, "", wxDefaultPosition, wxSize(45, -1));
    rolls->Add(base_severity_, 0, centred, kGap);
    rolls->Add(new wxButton(panel, ID_CriticalRollSevere, "Roll"), 0, centred, kGap);
    severity_ = new wxTextCtrl(panel, wxID_ANY, "", wxDefaultPosition, wxSize(45, -1));
    rolls->Add(severity_, 0, centred, kGap);
    // Digits only; a number beyond the tables still finds no record and says so.
    AcceptWholeNumbers(location_, 0, 10000);
    AcceptWholeNumbers(base_severity_, -999, 999);
    AcceptWholeNumbers(severity_, -999, 999);
    rolls->Add(label("Severity Level"), 0, wxALIGN_CENTER_VERTICAL);

    // Damage type and the lookup.
    auto* lookup = new wxBoxSizer(wxHORIZONTAL);
    const wxArrayString types =
        Items(kCriticalDamageTypeNames.data(),
              kCriticalDamageTypeNames.data() + kCriticalDamageTypeNames.size());
    damage_type_ = new wxComboBox(panel, wxID_ANY, types[0], wxDefaultPosition, wxDefaultSize,
                                  types, wxCB_READONLY);
    lookup->Add(damage_type_, 0, centred, kGap);
    lookup->Add(new wxButton(panel, ID_CriticalExplain, "Use numbers entered above"), 0,
                wxALIGN_CENTER_VERTICAL);

    // The wound, on a line of its own so the longest text shows whole.
    auto* wound = new wxBoxSizer(wxHORIZONTAL);
    wound->Add(label("Result"), 0, centred, kGap);
    result_ = new wxTextCtrl(panel, wxID_ANY, "", wxDefaultPosition, wxDefaultSize, wxTE_READONLY);
    wound->Add(result_, 1, wxALIGN_CENTER_VERTICAL);

    // The notation legend, as wide as the window, its title showing.
    const wxArrayString legend =
        Items(kCriticalLegend.data(), kCriticalLegend.data() + kCriticalLegend.size());
    legend_ = new wxComboBox(panel, wxID_ANY, legend[0], wxDefaultPosition, wxDefaultSize, legend,
                             wxCB_READONLY);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(rolls, 0, wxALL, kGap);
    column->Add(lookup, 0, wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    column->Add(wound, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    column->Add(legend_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    panel->SetSizer(column);
}

void CriticalFrame::OnRollBase(wxCommandEvent&) {
    location_->SetValue(wxString::Format("%i", DiceRoll(10000, 1)));
}

void CriticalFrame::OnRollSevere(wxCommandEvent&) {
    severity_->SetValue(
        wxString::Format("%i", CriticalHitDiceRoll(8, 1, FieldNumber(base_severity_))));
}

void CriticalFrame::OnExplain(wxCommandEvent&) {
    const int type = CriticalDamageTypeFromName(std::string(damage_type_->GetValue().utf8_str()));
    const std::string wound = Criticalhit(FieldNumber(location_), FieldNumber(severity_), type);
    result_->SetValue(wxString::FromUTF8(wound));
}
