#pragma once

#include <memory>

#include <wx/app.h>

class WxUserPort;

// The toolkit application: loads the game data, lays out the registry and shows the main window.
class cxApplication : public wxApp {
public:
    cxApplication();
    ~cxApplication() override;
    bool OnInit() override;

private:
    std::unique_ptr<WxUserPort> port_;
};

wxDECLARE_APP(cxApplication);
