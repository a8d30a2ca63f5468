#pragma once

#include <string>
#include <vector>

#include <wx/ctrlsub.h>
#include <wx/event.h>
#include <wx/frame.h>
#include <wx/listctrl.h>
#include <wx/statusbr.h>

#include "core/dice/dice_log.h"
#include "core/model/program_state.h"
#include "gui/app/form_main.h"
#include "gui/base/window_registry.h"
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
    // Writes a line to the dice log with `balance` BP, as the creation steps do.
    static void Log(const std::string& text, float balance = 0.0f) {
        std::string line = text;
        Format_Entry(balance, line, program_data.log_file_name);
    }
    // Lets the toolkit delete the windows that were closed.
    static void Flush();

    // Top-level windows with exactly this title.
    static std::vector<wxFrame*> WindowsTitled(const wxString& title);
    static int CountWindowsTitled(const wxString& title) {
        return static_cast<int>(WindowsTitled(title).size());
    }
    static wxFrame* WindowTitled(const wxString& title) {
        const auto frames = WindowsTitled(title);
        return frames.empty() ? nullptr : frames.front();
    }
    // The newest open top-level window of type Frame.
    template <class Frame> static Frame* Newest() {
        Frame* newest = nullptr;
        for (wxWindow* window : wxTopLevelWindows) {
            auto* frame = dynamic_cast<Frame*>(window);
            newest = frame && !window->IsBeingDeleted() ? frame : newest;
        }
        return newest;
    }
    // Chooses `id` in the main window's menus and returns the window it opened.
    template <class Frame> Frame* OpenFromMenu(int id) {
        Menu(main_window, id);
        return Newest<Frame>();
    }
    // What the player reads in `window`, one line each: a frame's title, size and menus with
    // their help texts, then every control's kind and label (and a list's entries, a table's
    // rows) in the order the window builds them; last, every label, button, table heading or
    // cell cut short by its control or by the room a title bar leaves ("cut: text"), and every
    // label or button overlapping another ("crowded: a / b"). Windows are compared with
    // reviewed goldens (tests/golden/window_*.txt; FRAYMARK_UPDATE_GOLDENS=1 regenerates).
    static std::string Captions(wxWindow* window);

    // Opens a creation window as the step before it does, in its registry slot.
    template <class Frame> Frame* OpenStep(int slot, const char* title, wxSize size) {
        auto* frame = new Frame(MasterFrame, title, wxDefaultPosition, size);
        VexlFrames[slot] = frame;
        frame->Show(true);
        return frame;
    }

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
