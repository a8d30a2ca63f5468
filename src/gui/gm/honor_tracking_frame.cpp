#include "gui/gm/honor_tracking_frame.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "core/app/character_open.h"
#include "core/gm/honor_awards.h"
#include "core/gm/honor_party.h"
#include "core/gm/party_commands.h"
#include "core/gm/party_session.h"
#include "core/gm/saved_character_list.h"
#include "gui/base/app_icon.h"
#include "gui/base/list_columns.h"
#include "gui/base/window_placement.h"
#include "gui/gm/honor_file_frame.h"

wxBEGIN_EVENT_TABLE(HonorTrackingFrame, wxFrame)
    EVT_BUTTON(ID_HonorAddPC, HonorTrackingFrame::AddPC)
    EVT_BUTTON(ID_HonorRemovePC, HonorTrackingFrame::RemovePC)
    EVT_BUTTON(ID_HonorApplyAward, HonorTrackingFrame::AwardHonor)
    EVT_BUTTON(ID_HonorAdjust, HonorTrackingFrame::AdjustHonor)
    EVT_BUTTON(ID_HonorAdjustTemporal, HonorTrackingFrame::AdjustTemporalHonor)
    EVT_COMBOBOX(ID_HonorFilter, HonorTrackingFrame::OnSelectionBox)
    EVT_COMBOBOX(ID_HonorAward, HonorTrackingFrame::OnAwardBox)
    EVT_MENU_RANGE(ID_PartyNew, ID_PartyAwardExperience, HonorTrackingFrame::OnPartyCommand)
    EVT_CLOSE(HonorTrackingFrame::OnClose)
wxEND_EVENT_TABLE()

namespace {

// Column widths of the party list, in the order of its columns.
constexpr int kColumnWidths[kPartyColumns] = {100, 75, 45, 65, 60, 50, 105, 110};

} // namespace

HonorTrackingFrame::HonorTrackingFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                                       const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size) {
    SetIcon(SampleIcon());
    BuildPartyMenu();
    auto* panel = new wxPanel(this);
    constexpr int kGap = 4;

    // The honor buttons act on the character selected in the party list below them; the
    // party buttons sit under the list.
    auto* honor_buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* party_buttons = new wxBoxSizer(wxHORIZONTAL);
    auto button = [panel](wxBoxSizer* row, int id, const char* label) {
        row->Add(new wxButton(panel, id, label), 0, wxRIGHT, kGap);
    };
    button(honor_buttons, ID_HonorApplyAward, "Apply Honor Award");
    button(honor_buttons, ID_HonorAdjust, "Adjust Honor");
    button(honor_buttons, ID_HonorAdjustTemporal, "Adjust Temporal Honor");
    button(party_buttons, ID_HonorAddPC, "Add PC");
    button(party_buttons, ID_HonorRemovePC, "Remove PC");

    // The filter, the award and its note, each under its label.
    auto* choices = new wxFlexGridSizer(2, kGap, 2 * kGap);
    choices->AddGrowableCol(1);
    auto label = [panel](const char* text) { return new wxStaticText(panel, wxID_ANY, text); };
    wxArrayString filters;
    for (const char* name : kHonorFilterNames) {
        filters.Add(wxString::FromUTF8(name));
    }
    filter_ = new wxComboBox(panel, ID_HonorFilter, filters[0], wxDefaultPosition, wxDefaultSize,
                             filters, wxCB_READONLY);
    award_ = new wxComboBox(panel, ID_HonorAward, "", wxDefaultPosition, wxDefaultSize, 0, nullptr,
                            wxCB_READONLY);
    note_ = new wxTextCtrl(panel, wxID_ANY, "", wxDefaultPosition, wxSize(-1, 48),
                           wxTE_MULTILINE | wxTE_READONLY | wxTE_WORDWRAP);
    choices->Add(label("Honor Table Filter"), 0, wxALIGN_CENTER_VERTICAL);
    choices->Add(filter_, 1, wxEXPAND);
    choices->Add(label("Honor Reward Selection"), 0, wxALIGN_CENTER_VERTICAL);
    choices->Add(award_, 1, wxEXPAND);
    choices->Add(label("Notes"), 0, wxALIGN_TOP | wxTOP, kGap);
    choices->Add(note_, 1, wxEXPAND);

    party_ = new wxListCtrl(panel, ID_HonorPartyList, wxDefaultPosition, wxDefaultSize,
                            wxLC_REPORT | wxLC_SINGLE_SEL);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(choices, 0, wxEXPAND | wxALL, kGap);
    column->Add(honor_buttons, 0, wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    column->Add(party_, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    column->Add(party_buttons, 0, wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    panel->SetSizer(column);

    SetHonorSelectionComboBox(0);
    // The party may already hold characters gathered in another tracker window.
    RefreshPartyList();
}

void HonorTrackingFrame::SetHonorSelectionComboBox(int filter) {
    award_->Clear();
    for (const std::string& text : HonorAwardTexts(filter)) {
        award_->Append(wxString::FromUTF8(text));
    }
    note_->Clear();
}

void HonorTrackingFrame::OnSelectionBox(wxCommandEvent&) {
    SetHonorSelectionComboBox(filter_->GetSelection());
}

void HonorTrackingFrame::OnAwardBox(wxCommandEvent&) {
    const HonorAward* award = FindHonorAward(std::string(award_->GetValue().utf8_str()));
    note_->SetValue(wxString::FromUTF8(award ? HonorAwardNote(*award) : NoteBuffer[0]));
}

void HonorTrackingFrame::AddPC(wxCommandEvent&) {
    // The saved characters are read once, and the picker shows what was read.
    std::vector<SavedCharacterSummary> saved = ListSavedCharacters();
    if (saved.empty()) {
        Changed(tracker_.AddTypedCharacter());
        return;
    }
    const wxSize picker_size(300, 300);
    auto* picker =
        new HonorFileFrame(this, "Add Character", PlaceBeside(GetScreenRect(), picker_size),
                           picker_size, std::move(saved));
    picker->Show(true);
}

void HonorTrackingFrame::AddSavedCharacter(const SavedCharacterSummary& character) {
    Changed(tracker_.AddSavedCharacter(character, character.file_name));
}

void HonorTrackingFrame::RemovePC(wxCommandEvent&) {
    Changed(tracker_.RemovePC(SelectedName()));
}

void HonorTrackingFrame::AwardHonor(wxCommandEvent&) {
    Changed(tracker_.AwardHonor(SelectedName(), std::string(award_->GetValue().utf8_str())));
}

void HonorTrackingFrame::AdjustHonor(wxCommandEvent&) {
    Changed(tracker_.AdjustHonor(SelectedName()));
}

void HonorTrackingFrame::AdjustTemporalHonor(wxCommandEvent&) {
    Changed(tracker_.AdjustTemporalHonor(SelectedName()));
}

std::optional<std::string> HonorTrackingFrame::SelectedName() const {
    const long row = party_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
    if (row < 0) {
        return std::nullopt;
    }
    return std::string(party_->GetItemText(row, 0).utf8_str());
}

void HonorTrackingFrame::Changed(bool changed) {
    if (changed) {
        NotePartyChanged();
        RefreshAllPartyLists();
    }
}

void HonorTrackingFrame::BuildPartyMenu() {
    auto* party = new wxMenu;
    party->Append(ID_PartyNew, "&New Party", "Start an empty party");
    party->Append(ID_PartyOpen, "&Open Party...", "Open a party kept in the workspace");
    party->Append(ID_PartySave, "&Save Party", "Keep the party in its party file");
    party->Append(ID_PartySaveAs, "Save Party &As...", "Keep the party under a name");
    party->AppendSeparator();
    party->Append(ID_PartyWriteHonor, "&Write Honor to Characters",
                  "Write each member's honor into its character file and sheet");
    party->Append(ID_PartyAwardExperience, "Award &Experience to Party...",
                  "Share experience points among the members and write their files");
    auto* bar = new wxMenuBar;
    bar->Append(party, "&Party");
    SetMenuBar(bar);
}

void HonorTrackingFrame::OnPartyCommand(wxCommandEvent& event) {
    switch (event.GetId()) {
    case ID_PartyNew:
        NewPartyCommand();
        break;
    case ID_PartyOpen:
        OpenPartyCommand();
        break;
    case ID_PartySave:
        SavePartyCommand();
        break;
    case ID_PartySaveAs:
        SavePartyAsCommand();
        break;
    case ID_PartyWriteHonor:
    case ID_PartyAwardExperience:
        if (event.GetId() == ID_PartyWriteHonor ? WriteHonorCommand(tracker_)
                                                : AwardPartyExperienceCommand(tracker_)) {
            SendOpenedCharacterToTree(); // the character in hand was put aside meanwhile
        }
        break;
    default:
        return;
    }
    RefreshAllPartyLists();
}

void HonorTrackingFrame::OnClose(wxCloseEvent& event) {
    int open = 0;
    for (wxWindow* window : wxTopLevelWindows) {
        open += dynamic_cast<HonorTrackingFrame*>(window) && !window->IsBeingDeleted() ? 1 : 0;
    }
    if (event.CanVeto() && open == 1 && !MayLeaveParty()) {
        event.Veto();
        return;
    }
    event.Skip();
}

void HonorTrackingFrame::RefreshAllPartyLists() {
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* tracker = dynamic_cast<HonorTrackingFrame*>(window)) {
            if (!tracker->IsBeingDeleted()) {
                tracker->RefreshPartyList();
            }
        }
    }
}

void HonorTrackingFrame::RefreshPartyList() {
    const std::optional<std::string> selected = SelectedName();
    party_->ClearAll();
    for (int i = 0; i < kPartyColumns; ++i) {
        party_->AppendColumn(kPartyColumnNames[static_cast<std::size_t>(i)], wxLIST_FORMAT_LEFT,
                             kColumnWidths[i]);
    }
    long row = 0;
    for (const PartyRow& cells : PartyRows()) {
        party_->InsertItem(row, wxString::FromUTF8(cells[0]));
        for (int i = 1; i < kPartyColumns; ++i) {
            party_->SetItem(row, i, wxString::FromUTF8(cells[static_cast<std::size_t>(i)]));
        }
        if (selected && cells[0] == *selected) {
            party_->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
        }
        ++row;
    }
    FitColumnsToContent(party_);
}
