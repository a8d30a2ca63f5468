#pragma once

#include <string>
#include <vector>

#include <wx/event.h>
#include <wx/frame.h>

#include "gui/app/form_main.h"
#include "support/scripted_port.h"
#include "support/workspace_fixture.h"

// A started toolkit in a temporary workspace, with the scripted port answering questions.
// Every window is destroyed between tests.
class GuiTest : public WorkspaceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sends a menu command to a frame, as choosing the item does.
    static void Menu(wxFrame* frame, int id);
    // Clicks a button (by identifier) inside a window.
    static void Click(wxWindow* window, int id);
    // Lets the toolkit delete the windows that were closed.
    static void Flush();

    // Top-level windows with exactly this title.
    static int CountWindowsTitled(const wxString& title);
    static wxFrame* WindowTitled(const wxString& title);

    // The shown static labels of `window` whose text is wider than the label ("cut: text"),
    // or that overlap another label ("crowded: text / text"); labels that end long texts with
    // an ellipsis on purpose are not cut.
    static std::vector<std::string> CutOrCrowdedLabels(wxWindow* window);

    FormMain* main_window = nullptr;
    ScriptedPort* port = nullptr;
};
