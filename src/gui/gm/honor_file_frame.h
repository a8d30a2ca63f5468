#pragma once

#include <vector>

#include <wx/frame.h>

#include "core/gm/saved_character_list.h"
#include "gui/base/text_table_list.h"

class HonorTrackingFrame;
class wxListCtrl;
class wxListEvent;

// The honor tracker's character picker: the saved characters with their name, class, level,
// race and sex. Activating one adds it to the party. It stays open so that several can be
// added in turn, and closes with its tracker window.
class HonorFileFrame : public wxFrame {
public:
    // `saved`: the saved characters to offer, as the tracker read them.
    HonorFileFrame(HonorTrackingFrame* tracker, const wxString& title, const wxPoint& pos,
                   const wxSize& size, std::vector<SavedCharacterSummary> saved);

    void OnOpen(wxListEvent& event);

    wxListCtrl* CharacterList() const { return list_; }

private:
    HonorTrackingFrame* tracker_;
    std::vector<SavedCharacterSummary> shown_;
    TextTableList* list_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};
