#include "gui/gm/honor_file_frame.h"

#include <string>

#include <wx/listctrl.h>
#include <wx/sizer.h>

#include "gui/base/app_icon.h"
#include "gui/base/list_columns.h"
#include "gui/gm/honor_tracking_frame.h"

wxBEGIN_EVENT_TABLE(HonorFileFrame, wxFrame)
    EVT_LIST_ITEM_ACTIVATED(ID_HonorPickerList, HonorFileFrame::OnOpen)
wxEND_EVENT_TABLE()

HonorFileFrame::HonorFileFrame(HonorTrackingFrame* tracker, const wxString& title,
                               const wxPoint& pos, const wxSize& size,
                               std::vector<SavedCharacterSummary> saved)
    : wxFrame(tracker, wxID_ANY, title, pos, size), tracker_(tracker), shown_(std::move(saved)) {
    SetIcon(SampleIcon());
    list_ = new wxListCtrl(this, ID_HonorPickerList, wxDefaultPosition, wxDefaultSize,
                           wxLC_REPORT | wxLC_SINGLE_SEL);
    const char* const columns[] = {"Name", "Class", "Level", "Race", "Sex"};
    const int widths[] = {80, 55, 40, 62, 56};
    for (int i = 0; i < 5; ++i) {
        list_->AppendColumn(columns[i], wxLIST_FORMAT_LEFT, widths[i]);
    }
    long row = 0;
    for (const SavedCharacterSummary& c : shown_) {
        list_->InsertItem(row, wxString::FromUTF8(c.character_name));
        list_->SetItem(row, 1, wxString::FromUTF8(c.class_long_name));
        list_->SetItem(row, 2, wxString::FromUTF8(c.level));
        list_->SetItem(row, 3, wxString::FromUTF8(c.race));
        list_->SetItem(row, 4, wxString::FromUTF8(c.sex));
        ++row;
    }
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(list_, 1, wxEXPAND);
    SetSizer(sizer);
    Layout(); // the columns fit the list's width
    FitColumnsToList(list_);
}

void HonorFileFrame::OnOpen(wxListEvent& event) {
    const long row = event.GetIndex();
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) {
        return;
    }
    // The chosen character's file is read again (that one file, not the whole list), so the
    // party gets the character as it is saved now; one that has gone since the picker opened
    // joins as it was listed.
    tracker_->AddSavedCharacter(ReadSavedCharacterAgain(shown_[static_cast<std::size_t>(row)]));
}
