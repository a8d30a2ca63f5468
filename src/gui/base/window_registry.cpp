#include "gui/base/window_registry.h"

#include <wx/app.h>

wxFrame* VexlFrames[kRegistrySlots] = {};
FormMain* MasterFrame = nullptr;
int MasterWidth = 0;
int MasterHeight = 0;

wxWindow* MainWindow() {
    return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}
