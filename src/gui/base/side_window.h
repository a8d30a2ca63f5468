#pragma once

#include <wx/frame.h>
#include <wx/menu.h>

#include "gui/base/app_icon.h"
#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"

// The globals through which the toolkit writes into a side window (the dice log, the character
// tree): the control that takes lines or branches, null while no window takes them, and the
// flag that says the window was closed (or never opened) so the next write opens a fresh one.
template <typename Control> struct SideWindowLink {
    Control*& content;
    bool& closed;
    RegistrySlot slot;
};

// A window that stands beside the creation windows and shows one control the toolkit writes
// into: a File menu with "Exit", a status bar, and the bookkeeping of its registry slot and its
// globals. A closing window stops taking writes at once, so a write that comes before it is
// destroyed opens a fresh window rather than vanishing with this one.
template <typename Control> class SideWindow : public wxFrame {
public:
    ~SideWindow() override {
        MarkClosed();
        if (VexlFrames[link_.slot] == this) {
            VexlFrames[link_.slot] = nullptr;
        }
    }

protected:
    SideWindow(const SideWindowLink<Control>& link, const wxString& title, const wxPoint& pos,
               const wxSize& size, const wxString& exit_help, int status_fields)
        : wxFrame(MainWindow(), wxID_ANY, title, pos, size), link_(link) {
        link_.closed = false;
        SetIcon(SampleIcon());
        auto* file = new wxMenu;
        file->Append(ID_Exit, "E&xit", exit_help);
        auto* bar = new wxMenuBar;
        bar->Append(file, "&File");
        SetMenuBar(bar);
        CreateStatusBar(status_fields);
        Bind(
            wxEVT_MENU,
            [this](wxCommandEvent&) {
                MarkClosed();
                Close(true);
            },
            ID_Exit);
        Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
            MarkClosed();
            event.Skip();
        });
    }

private:
    void MarkClosed() {
        if (link_.content && link_.content->GetParent() == this) {
            link_.content = nullptr;
            link_.closed = true;
        }
    }

    SideWindowLink<Control> link_;
};

// Opens a `Window` in its slot unless one is open and taking writes; returns the new window,
// or null when one was already open.
template <typename Window, typename Control>
Window* OpenSideWindow(const SideWindowLink<Control>& link, const wxPoint& pos,
                       const wxSize& size) {
    if (!link.closed && link.content) {
        return nullptr;
    }
    link.closed = true;
    auto* window = new Window(pos, size);
    VexlFrames[link.slot] = window;
    window->Show(true);
    return window;
}
