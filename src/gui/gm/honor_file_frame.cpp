#include "gui/gm/honor_file_frame.h"

#include <string>
#include <utility>

#include <wx/listctrl.h>
#include <wx/sizer.h>

#include "gui/base/app_icon.h"
#include "gui/gm/honor_tracking_frame.h"

wxBEGIN_EVENT_TABLE(HonorFileFrame, wxFrame)
    EVT_LIST_ITEM_ACTIVATED(ID_HonorPickerList, HonorFileFrame::OnOpen)
wxEND_EVENT_TABLE()

HonorFileFrame::HonorFileFrame(HonorTrackingFrame* tracker, const wxString& title,
                               const wxPoint& pos, const wxSize& size,
                               std::vector<SavedCharacterSummary> saved)
    : wxFrame(tracker, wxID_ANY, title, pos, size), tracker_(tracker), shown_(std::move(saved)) {
    SetIcon(SampleIcon());
    list_ = new TextTableList(this, ID_HonorPickerList);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(list_, 1, wxEXPAND);
    SetSizer(sizer);
    Layout(); // the columns fit the list's width
    std::vector<TextTableList::Row> rows;
    rows.reserve(shown_.size());
    for (const SavedCharacterSummary& c : shown_) {
        rows.push_back({c.character_name, c.class_long_name, c.level, c.race, c.sex});
    }
    list_->SetTable({"Name", "Class", "Level", "Race", "Sex"}, std::move(rows));
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
