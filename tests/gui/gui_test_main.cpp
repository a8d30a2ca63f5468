// Runs the gui tests inside a toolkit application without a main loop. Any toolkit assert
// fails the running test, and any modal dialog a test did not arrange for fails and is
// dismissed, so nothing hangs.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/init.h>
#include <wx/modalhook.h>

namespace {

class GuiTestApp : public wxApp {
public:
    bool OnInit() override { return true; }
};

class UnexpectedDialogHook : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        ADD_FAILURE() << "unexpected modal dialog: " << dialog->GetTitle().utf8_str();
        return wxID_CANCEL;
    }
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE_AT(file.utf8_str(), line) << "toolkit assert in " << func.utf8_str() << ": "
                                          << cond.utf8_str() << " " << msg.utf8_str();
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(GuiTestApp);

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS(); // listing needs no display
    }
    if (!wxEntryStart(argc, argv) || !wxTheApp || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "gui_tests: cannot start the toolkit (is there an X display?)\n");
        return 1;
    }
    wxSetAssertHandler(FailOnAssert);
    UnexpectedDialogHook hook;
    hook.Register();
    const int result = RUN_ALL_TESTS();
    hook.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
