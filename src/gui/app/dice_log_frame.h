#pragma once

#include <string>

#include <wx/textctrl.h>

#include "gui/base/side_window.h"

// The dice log window: every logged line of the creation, along the bottom of the screen.
class DiceLog : public SideWindow<wxTextCtrl> {
public:
    DiceLog(const wxPoint& pos, const wxSize& size);
};

// The text control of the open log window; null while none is open.
extern wxTextCtrl* theLogText;

// Opens the log window (when it is closed) filled with the log file as it stands.
void OpenDiceLog(const std::string& log_file, bool full_width);
