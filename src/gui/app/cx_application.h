#pragma once

#include <memory>

#include <wx/app.h>

class WxUserPort;
class FormMain;

// The start-up sequence: creation stage 0, the game data lists, an empty window registry, the
// display size, and the main window shown. Returns the main window.
FormMain* StartToolkit();

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
