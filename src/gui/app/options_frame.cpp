#include "gui/app/options_frame.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/panel.h>

#include "core/model/options.h"
#include "gui/base/app_icon.h"
#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"

wxBEGIN_EVENT_TABLE(Options, wxFrame)
    EVT_BUTTON(ID_Accept, Options::OnExit)
wxEND_EVENT_TABLE()

Options::Options(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size)
    : wxFrame(parent, wxID_ANY, title, pos, size) {
    SetIcon(SampleIcon());
    auto* panel = new wxPanel(this);
    for (int entry = 1; entry <= 14; ++entry) {
        auto* box = new wxCheckBox(panel, wxID_ANY, OptionLabel(entry),
                                   wxPoint(10, 10 + 20 * (entry - 1)), wxSize(375, 15));
        box->SetValue(BooksToUse[entry] == 1);
        boxes_[entry - 1] = box;
    }
    new wxButton(panel, ID_Accept, "Accept", wxPoint(10, 295), wxSize(70, 20));
}

Options::~Options() {
    if (VexlFrames[kSlotOptions] == this) {
        VexlFrames[kSlotOptions] = nullptr;
    }
}

void Options::OnExit(wxCommandEvent&) {
    for (int entry = 1; entry <= 14; ++entry) {
        BooksToUse[entry] = boxes_[entry - 1]->GetValue() ? 1 : 0;
    }
    SaveOptions();
    Close(true);
}
