#include "gui_fixture.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/arrstr.h>
#include <wx/button.h>
#include <wx/stattext.h>
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

namespace {

void CollectLabels(wxWindow* window, std::vector<wxStaticText*>& labels) {
    for (wxWindow* child : window->GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel()) {
            continue;
        }
        if (auto* label = dynamic_cast<wxStaticText*>(child)) {
            labels.push_back(label);
        }
        CollectLabels(child, labels);
    }
}

} // namespace

std::vector<std::string> GuiTest::CutOrCrowdedLabels(wxWindow* window) {
    for (int i = 0; i < 3; ++i) {
        wxTheApp->Yield(true);
    }
    std::vector<wxStaticText*> labels;
    CollectLabels(window, labels);
    std::vector<std::string> faults;
    const long ellipsis = wxST_ELLIPSIZE_START | wxST_ELLIPSIZE_MIDDLE | wxST_ELLIPSIZE_END;
    for (wxStaticText* label : labels) {
        int widest = 0;
        for (const wxString& line : wxSplit(label->GetLabel(), '\n', '\0')) {
            widest = std::max(widest, label->GetTextExtent(line).x);
        }
        if (widest > label->GetSize().x && !label->HasFlag(ellipsis)) {
            faults.push_back("cut: " + label->GetLabel().ToStdString());
        }
    }
    for (std::size_t a = 0; a < labels.size(); ++a) {
        for (std::size_t b = a + 1; b < labels.size(); ++b) {
            if (labels[a]->GetScreenRect().Intersects(labels[b]->GetScreenRect())) {
                faults.push_back("crowded: " + labels[a]->GetLabel().ToStdString() + " / " +
                                 labels[b]->GetLabel().ToStdString());
            }
        }
    }
    return faults;
}

wxFrame* GuiTest::WindowTitled(const wxString& title) {
    for (wxWindow* window : wxTopLevelWindows) {
        if (window->GetLabel() == title && !window->IsBeingDeleted()) {
            return dynamic_cast<wxFrame*>(window);
        }
    }
    return nullptr;
}
