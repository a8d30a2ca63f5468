#include "gui/wizard/frame_step7.h"

#include <wx/panel.h>
#include <wx/stattext.h>

#include "core/app/program_state.h"

FrameStep7::FrameStep7(wxWindow* parent, const wxString& title, const wxPoint& pos,
                       const wxSize& size)
    : CreationFrame(parent, title, pos, size) {
    auto* panel = new wxPanel(this);
    wxString text = "Rolling for quirks and flaws is not available in this version of the\n"
                    "toolkit yet.\n\nThe rolls owed so far:";
    for (const std::string& table : program_data.pending_quirk_tables) {
        text += "\n    " + wxString::FromUTF8(table);
    }
    text += "\n\nThe character so far is kept in the record and the dice log.\n"
            "Abort ends this creation.";
    new wxStaticText(panel, wxID_ANY, text, wxPoint(10, 10));
}

void FrameStep7::OnContinue(wxCommandEvent&) {
    // The owed rolls cannot be made here yet, so there is nothing to go on with.
}
