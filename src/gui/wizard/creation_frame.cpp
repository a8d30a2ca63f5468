#include "gui/wizard/creation_frame.h"

#include <wx/button.h>
#include <wx/menu.h>

#include "gui/base/app_icon.h"
#include "gui/base/command_ids.h"
#include "gui/base/window_registry.h"
#include "gui/wizard/step_windows.h"

wxBEGIN_EVENT_TABLE(CreationFrame, wxFrame)
    EVT_MENU(ID_Continue, CreationFrame::OnMenuContinue)
    EVT_MENU(ID_Abort, CreationFrame::OnMenuAbort)
    EVT_BUTTON(ID_Continue, CreationFrame::OnContinueButton)
    EVT_CLOSE(CreationFrame::OnCloseWindow)
wxEND_EVENT_TABLE()

CreationFrame::CreationFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                             const wxSize& size, const std::vector<StepMenuItem>& leading_items,
                             StepMenu step_menu)
    : wxFrame(parent, wxID_ANY, title, pos, size, kCharacterWindowStyle), CharacterWindow(this) {
    SetIcon(SampleIcon());
    CreateStatusBar(3);
    if (step_menu == StepMenu::kButtonsOnly) {
        return;
    }
    auto* menu = new wxMenu;
    for (const StepMenuItem& item : leading_items) {
        menu->Append(item.id, item.text, item.help);
    }
    menu->Append(ID_Continue, "&Continue", "Go on to the next step");
    menu->Append(ID_Abort, "Ab&ort", "Abort character");
    auto* bar = new wxMenuBar;
    bar->Append(menu, "&Menu");
    SetMenuBar(bar);
}

CreationFrame::~CreationFrame() {
    if (!continued && !Retired()) {
        AbortCreation();
    }
    ForgetWindow(this);
}

void CreationFrame::OnCloseWindow(wxCloseEvent& event) {
    if (MayCloseCreationWindow(event, *this)) {
        Destroy();
    }
}

void CreationFrame::OnAbort(wxCommandEvent&) {
    AbortCreation();
    Close(true);
}

wxButton* CreationFrame::MakeContinueButton(wxWindow* parent, const wxPoint& pos,
                                            const wxSize& size) {
    return new wxButton(parent, ID_Continue, "Continue", pos, size);
}

void CreationFrame::GoOn(StepExit exit, const std::function<void()>& once_closed) {
    if (exit == StepExit::kStay) {
        return;
    }
    const wxRect here = GetRect();
    CloseContinued();
    if (once_closed) {
        once_closed();
    }
    if (const std::optional<StepId> step = FlowStep()) {
        OpenCreationSteps(Advance(*step, exit), here);
    }
}

void CreationFrame::CloseContinued() {
    continued = true;
    Close(true);
}
