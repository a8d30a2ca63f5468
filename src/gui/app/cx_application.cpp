#include "gui/app/cx_application.h"

#include <optional>
#include <string>

#include <wx/config.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include "core/model/user_port.h"
#include "gui/app/form_main.h"
#include "gui/app/start_up.h"
#include "gui/app/workspace_start.h"
#include "gui/app/wx_user_port.h"

cxApplication::cxApplication() : port_(std::make_unique<WxUserPort>()) {}

cxApplication::~cxApplication() {
    InstallUserPort(nullptr);
}

bool cxApplication::OnInit() {
    InstallUserPort(port_.get());
    // The user's own settings of the toolkit (the recent characters) follow the desktop's
    // rules: ~/.config/fraymark-toolkit.conf. The game options stay in the workspace.
    SetAppName("fraymark-toolkit");
    wxStandardPaths::Get().SetFileLayout(wxStandardPaths::FileLayout_XDG);
    // The configuration file is written into ~/.config, which a fresh account may lack.
    wxFileName::Mkdir(wxStandardPaths::Get().GetUserConfigDir(), wxS_DIR_DEFAULT,
                      wxPATH_MKDIR_FULL);
    wxConfigBase::Get();

    std::optional<std::string> workspace;
    if (argc > 1) {
        workspace = argv[1].utf8_string();
    }
    const std::string notes = StartWorkspace(workspace);
    StartToolkit();
    if (!notes.empty()) {
        Port().ShowMessage(notes, "Fraymark Toolkit");
    }
    return true;
}
