#pragma once

#include <array>

#include <wx/frame.h>

class wxCheckBox;

// The options window: the source-book and rule switches 1 to 14. Changes take effect on
// "Accept"; closing the window by its frame discards them.
class Options : public wxFrame {
public:
    Options(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size);
    ~Options() override;

    void OnExit(wxCommandEvent& event);

    wxCheckBox* CheckBoxFor(int entry) const { return boxes_[entry - 1]; }

private:
    std::array<wxCheckBox*, 14> boxes_{};
    wxDECLARE_EVENT_TABLE();
};
