#include "gui/base/window_registry.h"

#include <wx/app.h>

wxFrame* VexlFrames[kRegistrySlots] = {};
FormMain* MasterFrame = nullptr;
int MasterWidth = 0;
int MasterHeight = 0;

void ForgetWindow(const wxFrame* window) {
    for (wxFrame*& slot : VexlFrames) {
        if (slot == window) {
            slot = nullptr;
        }
    }
}

wxWindow* MainWindow() {
    return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}
