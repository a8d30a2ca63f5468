#include "gui/app/cx_application.h"

#include <wx/gdicmn.h>

#include "core/app/program_state.h"
#include "core/app/user_port.h"
#include "core/data/rules_lists.h"
#include "gui/app/form_main.h"
#include "gui/app/window_registry.h"
#include "gui/app/wx_user_port.h"

cxApplication::cxApplication() : port_(std::make_unique<WxUserPort>()) {}

cxApplication::~cxApplication() {
    InstallUserPort(nullptr);
}

bool cxApplication::OnInit() {
    InstallUserPort(port_.get());
    SetTopWindow(StartToolkit());
    return true;
}

FormMain* StartToolkit() {
    program_data.creation_stage = 0;
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
    return main;
}
