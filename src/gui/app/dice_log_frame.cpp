#include "gui/app/dice_log_frame.h"

#include "core/dice/dice_log.h"
#include "gui/app/form_main.h"

wxTextCtrl* theLogText = nullptr;

namespace {

const SideWindowLink<wxTextCtrl> kLogLink{theLogText, Early_Close, kSlotDiceLog};

} // namespace

DiceLog::DiceLog(const wxPoint& pos, const wxSize& size)
    : SideWindow(kLogLink, "Character Creation: DiceLog", pos, size, "Close log window", 3) {
    // The text fills the client area and follows the window when it is resized.
    theLogText = new wxTextCtrl(this, wxID_ANY, "", wxDefaultPosition, wxDefaultSize,
                                wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL);
}

void OpenDiceLog(const std::string& log_file, bool full_width) {
    const int width = full_width ? MasterWidth : MasterWidth - 200;
    if (OpenSideWindow<DiceLog>(kLogLink, wxPoint(0, MasterHeight - 200), wxSize(width, 200))) {
        theLogText->SetValue(wxString::FromUTF8(ReadLogFile(log_file)));
    }
}
