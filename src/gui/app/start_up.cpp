#include "gui/app/start_up.h"

#include <wx/app.h>
#include <wx/gdicmn.h>

#include "core/data/rules_lists.h"
#include "core/model/program_state.h"
#include "core/wizard/creation_flow.h"
#include "gui/app/form_main.h"
#include "gui/base/window_registry.h"

FormMain* StartToolkit() {
    AbortCreation();
    LoadAllRulesLists();
    for (wxFrame*& slot : VexlFrames) {
        slot = nullptr;
    }
    const wxSize display = wxGetDisplaySize();
    MasterWidth = display.GetWidth();
    MasterHeight = display.GetHeight() - 25;
    auto* main = new FormMain(nullptr, kProgramTitle, wxPoint(0, 0),
                              wxSize(MasterWidth - 200, MasterHeight - 200));
    MasterFrame = main;
    main->Show(true);
    wxTheApp->SetTopWindow(main); // the parent every creation window opens under
    return main;
}
