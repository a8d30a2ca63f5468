#include "gui_fixture.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "gui/app/start_up.h"
#include "gui/app/window_registry.h"

void GuiTest::SetUp() {
    WorkspaceTest::SetUp();
    port = new ScriptedPort;
    main_window = StartToolkit();
}

void GuiTest::TearDown() {
    for (wxWindow* window : wxTopLevelWindows) {
        window->Destroy();
    }
    Flush();
    MasterFrame = nullptr;
    delete port;
    WorkspaceTest::TearDown();
}

void GuiTest::Menu(wxFrame* frame, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(frame);
    frame->ProcessWindowEvent(event);
}

void GuiTest::Click(wxWindow* window, int id) {
    auto* button = dynamic_cast<wxButton*>(window->FindWindow(id));
    ASSERT_NE(button, nullptr) << "no button with id " << id;
    wxCommandEvent event(wxEVT_BUTTON, id);
    event.SetEventObject(button);
    button->ProcessWindowEvent(event);
}

void GuiTest::Flush() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

int GuiTest::CountWindowsTitled(const wxString& title) {
    int n = 0;
    for (wxWindow* window : wxTopLevelWindows) {
        if (window->GetLabel() == title && !window->IsBeingDeleted()) {
            ++n;
        }
    }
    return n;
}

wxFrame* GuiTest::WindowTitled(const wxString& title) {
    for (wxWindow* window : wxTopLevelWindows) {
        if (window->GetLabel() == title && !window->IsBeingDeleted()) {
            return dynamic_cast<wxFrame*>(window);
        }
    }
    return nullptr;
}
