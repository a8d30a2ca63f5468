// The windows that list the saved characters, with 100, 1,000 and 10,000 of them in the
// workspace: "Load Character" opened from the main window with its list filled, the honor
// tracker's "Add PC" with its picker filled, and a row of the picker chosen (the character in
// the party and the party list shown again). Each figure is the best of five, the list's
// memory in place and the page cache warm; the time to draw the rows in view is not counted.
// Prints figures; asserts nothing. Runs under a virtual display:
//   xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/list_windows_bench [GAMEDATA_DIR]
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/listctrl.h>

#include "../best_of.h"
#include "../saved_characters.h"

#include "core/files/character_list.h"
#include "core/gm/honor_party.h"
#include "core/model/workspace.h"
#include "core/player/character_batch.h"
#include "gui/app/form_main.h"
#include "gui/app/start_up.h"
#include "gui/base/command_ids.h"
#include "gui/files/file_frame.h"
#include "gui/gm/honor_file_frame.h"
#include "gui/gm/honor_tracking_frame.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 5;

// The newest open window of the kind, if any.
template <class Frame> Frame* Newest() {
    Frame* newest = nullptr;
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* frame = dynamic_cast<Frame*>(window); frame && !window->IsBeingDeleted()) {
            newest = frame;
        }
    }
    return newest;
}

// Closes a window at once, as the player's close box does once the toolkit is idle.
void CloseNow(wxWindow* window) {
    if (window) {
        window->Destroy();
    }
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

void Command(wxWindow* window, wxEventType type, int id) {
    wxCommandEvent event(type, id);
    event.SetEventObject(window->FindWindow(id) ? window->FindWindow(id) : window);
    window->ProcessWindowEvent(event);
}

void Measure(const fs::path& workspace, FormMain* main, int count) {
    SetWorkspaceRoot(workspace);
    LetSavedCharactersSettle();
    VexlFileClass().LoadCharacter(); // writes the memory and warms the page cache
    VexlFileClass::Clear();

    const double load = BestOf(
        kRuns, [main] { Command(main, wxEVT_MENU, ID_OpenFile); },
        [] { CloseNow(Newest<FileFrame>()); });

    Command(main, wxEVT_MENU, ID_Honor);
    HonorTrackingFrame* tracker = Newest<HonorTrackingFrame>();
    const double picker = BestOf(
        kRuns, [tracker] { Command(tracker, wxEVT_BUTTON, ID_HonorAddPC); },
        [] { CloseNow(Newest<HonorFileFrame>()); });

    Command(tracker, wxEVT_BUTTON, ID_HonorAddPC);
    wxListCtrl* rows = Newest<HonorFileFrame>()->CharacterList();
    const double choose = BestOf(
        kRuns,
        [rows] {
            wxListEvent activated(wxEVT_LIST_ITEM_ACTIVATED, rows->GetId());
            activated.SetEventObject(rows);
            activated.m_itemIndex = rows->GetItemCount() / 2;
            rows->ProcessWindowEvent(activated);
        },
        [] { ClearParty(); });
    if (PartyCount() != 0 || tracker->PartyList()->GetItemCount() != 1) {
        std::fprintf(stderr, "the chosen character did not join the party\n");
    }
    CloseNow(Newest<HonorFileFrame>());
    tracker->Close(true);
    CloseNow(nullptr);

    std::printf("%6d characters  Load Character list filled %8.1f ms  Add PC picker filled "
                "%8.1f ms  picker row chosen %6.2f ms\n",
                count, load * 1e3, picker * 1e3, choose * 1e3);
    std::fflush(stdout);
}

class ListWindowsBenchApp : public wxApp {
public:
    bool OnInit() override {
        const fs::path source = fs::absolute(argc > 1 ? argv[1].utf8_string() : "gamedata");
        if (!fs::is_directory(source / "Classes")) {
            std::fprintf(stderr, "usage: list_windows_bench [GAMEDATA_DIR]  (no data set at %s)\n",
                         source.c_str());
            return false;
        }
        std::random_device seed;
        workspace_ =
            fs::temp_directory_path() / ("fraymark-windows-bench-" + std::to_string(seed()));
        fs::copy(source, workspace_, fs::copy_options::recursive);
        SetWorkspaceRoot(workspace_);
        main_ = StartToolkit();
        CallAfter([this] { Run(); });
        return true;
    }

private:
    void Run() {
        {
            // The batch keeps the dice log of the characters it makes until it ends.
            CharacterBatch batch(workspace_, workspace_);
            std::string error;
            if (!batch.Start(7, error)) {
                std::fprintf(stderr, "%s\n", error.c_str());
            } else {
                int made = 0;
                for (const int count : {100, 1000, 10000}) {
                    if (!MakeCharacters(batch, made, count)) {
                        break;
                    }
                    made = count;
                    Measure(workspace_, main_, count);
                }
            }
        }
        fs::remove_all(workspace_);
        main_->Close(true);
    }

    fs::path workspace_;
    FormMain* main_ = nullptr;
};

} // namespace

wxIMPLEMENT_APP(ListWindowsBenchApp);
