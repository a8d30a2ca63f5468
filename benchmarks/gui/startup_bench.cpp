// The toolkit's start-up as a user sees it: loads the data, shows the main window, and quits
// at the first idle moment after the window is on screen. Timed from outside by startup.sh.
#include <wx/app.h>

#include "core/model/user_port.h"
#include "gui/app/form_main.h"
#include "gui/app/start_up.h"
#include "gui/app/wx_user_port.h"

class StartupBenchApp : public wxApp {
public:
    bool OnInit() override {
        InstallUserPort(&port_);
        FormMain* main = StartToolkit();
        SetTopWindow(main);
        CallAfter([main] { main->Close(true); });
        return true;
    }
    int OnExit() override {
        InstallUserPort(nullptr);
        return wxApp::OnExit();
    }

private:
    WxUserPort port_;
};

wxIMPLEMENT_APP(StartupBenchApp);
