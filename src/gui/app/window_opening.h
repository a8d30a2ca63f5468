#pragma once

#include <wx/frame.h>

#include "gui/app/window_registry.h"

// Opens the next creation window, which keeps `slot` of the registry while it is open.
template <typename Frame>
Frame* OpenCreationWindow(RegistrySlot slot, const wxString& title, const wxPoint& pos,
                          const wxSize& size) {
    auto* frame = new Frame(MasterFrame, title, pos, size);
    VexlFrames[slot] = frame;
    frame->Show(true);
    return frame;
}

// Brings the window of `slot` to the front when it is open, otherwise opens it.
template <typename Frame>
void RaiseOrOpenCreationWindow(RegistrySlot slot, const wxString& title, const wxSize& size) {
    if (wxFrame* open = VexlFrames[slot]) {
        open->Raise();
        return;
    }
    OpenCreationWindow<Frame>(slot, title, wxDefaultPosition, size);
}
