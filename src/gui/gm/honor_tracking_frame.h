#pragma once

#include <optional>
#include <string>

#include <wx/frame.h>

#include "core/gm/honor_tracker.h"

class wxComboBox;
class wxListCtrl;
class wxTextCtrl;

// Command identifiers of the honor tracking window and its character picker.
enum HonorCommandId : int {
    ID_HonorAddPC = 10050,
    ID_HonorRemovePC = 10051,
    ID_HonorApplyAward = 10052,
    ID_HonorAdjust = 10053,
    ID_HonorAdjustTemporal = 10054,
    ID_HonorFilter = 10055,
    ID_HonorAward = 10056,
    ID_HonorPartyList = 10057,
    ID_HonorPickerList = 10058,
    // The party menu beside the tracker's own controls.
    ID_PartyNew = 10180,
    ID_PartyOpen = 10181,
    ID_PartySave = 10182,
    ID_PartySaveAs = 10183,
    ID_PartyWriteHonor = 10184,
    ID_PartyAwardExperience = 10185,
};

// The honor tracker: the game master gathers the party, applies honor awards from the
// award tables by alignment, and adjusts honor and temporal honor with a reason. The party
// table is shared by every tracker window; each window keeps its own honor log. It reads and
// writes nothing of the character in creation. Several may be open at once. Its "&Party" menu
// keeps the party in a party file, and sends honor and experience to the members' files; the
// last tracker window to close asks before a changed party is lost.
class HonorTrackingFrame : public wxFrame {
public:
    HonorTrackingFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size);

    void AddPC(wxCommandEvent& event);
    void RemovePC(wxCommandEvent& event);
    void AwardHonor(wxCommandEvent& event);
    void AdjustHonor(wxCommandEvent& event);
    void AdjustTemporalHonor(wxCommandEvent& event);
    void OnSelectionBox(wxCommandEvent& event);
    void OnAwardBox(wxCommandEvent& event);
    void OnPartyCommand(wxCommandEvent& event);

    // Fills the award drop-down with the awards the filter shows (0: all).
    void SetHonorSelectionComboBox(int filter);

    // A saved character chosen in the picker joins the party.
    void AddSavedCharacter(const SavedCharacterSummary& character);

    // Shows the party table again in every open tracker window.
    static void RefreshAllPartyLists();
    // Shows the party table again, keeping the selected character selected.
    void RefreshPartyList();

    wxComboBox* FilterBox() const { return filter_; }
    wxComboBox* AwardBox() const { return award_; }
    wxTextCtrl* NoteField() const { return note_; }
    wxListCtrl* PartyList() const { return party_; }
    const HonorTracker& Tracker() const { return tracker_; }

private:
    // The name in the selected row of the party list; nullopt when no row is selected.
    std::optional<std::string> SelectedName() const;
    // After a change: every tracker window shows the table as it now stands.
    void Changed(bool changed);
    void BuildPartyMenu();
    void OnClose(wxCloseEvent& event);

    HonorTracker tracker_;
    wxComboBox* filter_ = nullptr;
    wxComboBox* award_ = nullptr;
    wxTextCtrl* note_ = nullptr;
    wxListCtrl* party_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
