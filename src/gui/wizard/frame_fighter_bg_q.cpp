#include "gui/wizard/frame_fighter_bg_q.h"

#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "core/model/character.h"
#include "gui/base/app_icon.h"
#include "gui/base/command_ids.h"

wxBEGIN_EVENT_TABLE(FrameFighterBGQ, wxFrame)
    EVT_LISTBOX_DCLICK(ID_FighterProficiencyList, FrameFighterBGQ::OnListBox)
wxEND_EVENT_TABLE()

FrameFighterBGQ::FrameFighterBGQ(wxWindow* parent, const wxString& title, const wxPoint& pos,
                                 const wxSize& size, const wxString& kind)
    : wxFrame(parent, wxID_ANY, title, pos, size), choice_(std::string(kind.utf8_str())) {
    SetIcon(SampleIcon());
    auto* panel = new wxPanel(this);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(panel, wxID_ANY, kind + "\nDouble-click one to take it."), 0,
                wxALL, 8);
    list_ = new wxListBox(panel, ID_FighterProficiencyList);
    for (const std::string& entry : choice_.Entries()) {
        list_->Append(wxString::FromUTF8(entry));
    }
    column->Add(list_, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    slots_ = new wxStaticText(panel, wxID_ANY, "");
    column->Add(slots_, 0, wxALL, 8);
    panel->SetSizer(column);
    ShowFreeSlots();
}

void FrameFighterBGQ::ShowFreeSlots() {
    slots_->SetLabel(
        wxString::Format("Free proficiency slots: %i", current_character.free_proficiencies));
}

void FrameFighterBGQ::OnListBox(wxCommandEvent&) {
    const int selected = list_->GetSelection();
    if (selected == wxNOT_FOUND) {
        return;
    }
    if (choice_.Take(std::string(list_->GetString(selected).utf8_str()))) {
        Close(true);
        return;
    }
    ShowFreeSlots();
}
