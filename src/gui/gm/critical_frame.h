#pragma once

#include <wx/frame.h>

class wxComboBox;
class wxTextCtrl;

// Command identifiers of the critical-hit window.
enum CriticalCommandId : int {
    ID_CriticalRollBase = 10017,
    ID_CriticalRollSevere = 10018,
    ID_CriticalExplain = 10019,
};

// The critical-hit roller: the game master rolls or types a location roll (d10,000), a base
// severity and a severity level, picks the damage type, and reads the wound. It works on its
// own: it reads and writes nothing of the character, and closing it leaves a creation in
// progress alone. Several may be open at once.
class CriticalFrame : public wxFrame {
public:
    CriticalFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);

    void OnRollBase(wxCommandEvent& event);
    void OnRollSevere(wxCommandEvent& event);
    void OnExplain(wxCommandEvent& event);

    wxTextCtrl* LocationField() const { return location_; }
    wxTextCtrl* BaseSeverityField() const { return base_severity_; }
    wxTextCtrl* SeverityField() const { return severity_; }
    wxComboBox* DamageTypeList() const { return damage_type_; }
    wxTextCtrl* ResultField() const { return result_; }
    wxComboBox* LegendList() const { return legend_; }

private:
    wxTextCtrl* location_ = nullptr;
    wxTextCtrl* base_severity_ = nullptr;
    wxTextCtrl* severity_ = nullptr;
    wxComboBox* damage_type_ = nullptr;
    wxTextCtrl* result_ = nullptr;
    wxComboBox* legend_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
