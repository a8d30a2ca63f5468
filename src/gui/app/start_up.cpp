#include "gui/app/start_up.h"

#include <future>

#include <wx/app.h>
#include <wx/gdicmn.h>

#include "core/data/rules_lists.h"
#include "core/model/program_state.h"
#include "core/wizard/creation_flow.h"
#include "gui/app/form_main.h"
#include "gui/base/window_registry.h"

FormMain* StartToolkit() {
    AbortCreation();
    // The rules lists load on a thread of their own while the main window is built (the first
    // window of a run waits on the desktop's theme): building the window reads none of them,
    // and the window is shown only once they are all in.
    std::future<void> loading = std::async(std::launch::async, LoadAllRulesLists);
    for (wxFrame*& slot : VexlFrames) {
        slot = nullptr;
    }
    const wxSize display = wxGetDisplaySize();
    MasterWidth = display.GetWidth();
    MasterHeight = display.GetHeight() - 25;
    auto* main = new FormMain(nullptr, kProgramTitle, wxPoint(0, 0),
                              wxSize(MasterWidth - 200, MasterHeight - 200));
    MasterFrame = main;
    loading.get(); // what went wrong in the loading goes on from here
    main->Show(true);
    wxTheApp->SetTopWindow(main); // the parent every creation window opens under
    return main;
}
