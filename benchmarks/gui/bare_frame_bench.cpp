// The smallest wx program built the same way: one frame shown, closed at the first idle moment.
// The yardstick for the toolkit's start-up time.
#include <wx/app.h>
#include <wx/frame.h>

class BareFrameApp : public wxApp {
public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Bare frame", wxPoint(0, 0), wxSize(824, 543));
        frame->Show(true);
        SetTopWindow(frame);
        CallAfter([frame] { frame->Close(true); });
        return true;
    }
};

wxIMPLEMENT_APP(BareFrameApp);
