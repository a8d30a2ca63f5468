#pragma once

#include <string>
#include <vector>

#include <wx/ctrlsub.h>
#include <wx/event.h>
#include <wx/frame.h>
#include <wx/listctrl.h>

#include "gui/app/form_main.h"
#include "gui/app/window_registry.h"
#include "gui/tree/pc_tree_frame.h"
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
    // Selects `entry` in a list, choice or combo box and sends `event` as the player's pick does.
    static void Pick(wxControlWithItems* list, const wxString& entry,
                     wxEventType event = wxEVT_LISTBOX);
    // Activates a row of a list, as a double click does.
    static void ActivateRow(wxListCtrl* list, long row);
    // A row's cells joined by '|'.
    static std::string RowText(wxListCtrl* list, long row);
    // Lets the toolkit delete the windows that were closed.
    static void Flush();

    // Top-level windows with exactly this title.
    static int CountWindowsTitled(const wxString& title);
    static wxFrame* WindowTitled(const wxString& title);
    // The newest open top-level window of type Frame.
    template <class Frame> static Frame* Newest() {
        Frame* newest = nullptr;
        for (wxWindow* window : wxTopLevelWindows) {
            auto* frame = dynamic_cast<Frame*>(window);
            newest = frame && !window->IsBeingDeleted() ? frame : newest;
        }
        return newest;
    }
    // What the player reads in `window`, one line each: a frame's title, size and menus with
    // their help texts, then every control's kind and label (and a list's entries), in the
    // order the window builds them. Windows are compared with a reviewed golden of it.
    static std::string Captions(wxWindow* window);

    // Opens a creation window as the step before it does, in its registry slot.
    template <class Frame> Frame* OpenStep(int slot, const char* title, wxSize size) {
        auto* frame = new Frame(MasterFrame, title, wxDefaultPosition, size);
        VexlFrames[slot] = frame;
        frame->Show(true);
        return frame;
    }

    // The shown static labels of `window` whose text is wider than the label ("cut: text"),
    // or that overlap another label ("crowded: text / text"); labels that end long texts with
    // an ellipsis on purpose are not cut.
    static std::vector<std::string> CutOrCrowdedLabels(wxWindow* window);

    FormMain* main_window = nullptr;
    ScriptedPort* port = nullptr;
};

// Answers from the script and sends the tree calls to the real tree window.
class TreePort : public ScriptedPort {
public:
    void UpdateTree() override { OpenPCTree(); }
    void ClearTree() override { ClearPCTree(); }
    void UpdateTreeBranch(const std::string& branch, const std::vector<std::string>& keys,
                          const std::vector<std::string>& values) override {
        UpdatePCTreeBranch(branch, keys, values);
    }
};
