#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <wx/frame.h>

#include "core/wizard/creation_flow.h"
#include "gui/base/character_window.h"

// A menu item a step puts in its "&Menu" before Continue and Abort.
struct StepMenuItem {
    int id;
    const char* text;
    const char* help;
};

// What every window of the creation wizard shares: the "&Menu" menu with Continue and Abort,
// a status bar of three fields, the icon, and the end of the creation when the window closes
// any way other than Continue (its close box asks first). It stays above the main window, so
// the step in hand is never lost behind it.
class wxButton;

class CreationFrame : public wxFrame, public CharacterWindow {
public:
    // Whether the window has the "&Menu" bar; the thief skills have their own Continue and
    // Abort buttons and no room for a bar in their 300 x 300.
    enum class StepMenu { kShown, kButtonsOnly };

    CreationFrame(wxWindow* parent, const wxString& title, const wxPoint& pos, const wxSize& size,
                  const std::vector<StepMenuItem>& leading_items = {},
                  StepMenu step_menu = StepMenu::kShown);
    ~CreationFrame() override;

    // Ends the creation (stage 0) and closes the window; the record keeps what was entered.
    virtual void OnAbort(wxCommandEvent& event);
    virtual void OnContinue(wxCommandEvent& event) = 0;

    // Which window of the creation's order this is; none for a window outside it (the fighter
    // background opened by itself).
    virtual std::optional<StepId> FlowStep() const { return std::nullopt; }

    bool continued = false;

protected:
    // Leaves the step by `exit`: marks it continued, closes it, does `once_closed` (what the
    // rules do between this window closing and the next opening) and opens what the creation's
    // order puts next. Nothing happens for kStay.
    void GoOn(StepExit exit, const std::function<void()>& once_closed = {});
    // Marks the step as continued, so closing it leaves the stage the next step owns.
    void CloseContinued();
    // A "Continue" button that gives the menu's Continue command, for the windows whose own
    // controls offer no way on. The window enables it when Continue would do something.
    wxButton* MakeContinueButton(wxWindow* parent, const wxPoint& pos, const wxSize& size);

private:
    void OnMenuAbort(wxCommandEvent& event) { OnAbort(event); }
    void OnMenuContinue(wxCommandEvent& event) { OnContinue(event); }
    void OnContinueButton(wxCommandEvent& event) { OnContinue(event); }
    void OnCloseWindow(wxCloseEvent& event);
    wxDECLARE_EVENT_TABLE();
};
