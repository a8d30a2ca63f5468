#include "gui/wizard/step_windows.h"

#include <wx/frame.h>

#include "gui/base/window_placement.h"
#include "gui/base/window_registry.h"
#include "gui/wizard/advance_level_frame.h"
#include "gui/wizard/alignment_step_frame.h"
#include "gui/wizard/cherry_step7.h"
#include "gui/wizard/equip_frame.h"
#include "gui/wizard/frame_step10.h"
#include "gui/wizard/frame_step3.h"
#include "gui/wizard/frame_step6.h"
#include "gui/wizard/frame_step7.h"
#include "gui/wizard/frame_step8.h"
#include "gui/wizard/skill_frame.h"
#include "gui/wizard/spell_book_frame.h"
#include "gui/wizard/thief_skills_frame.h"

namespace {

using Factory = wxFrame* (*)(const wxString& title, const wxPoint& pos, const wxSize& size);

template <typename Frame>
wxFrame* Make(const wxString& title, const wxPoint& pos, const wxSize& size) {
    return new Frame(MainWindow(), title, pos, size);
}

struct StepWindow {
    StepId step;
    Factory make;
    wxSize size;
};

const StepWindow kStepWindows[] = {
    {StepId::kAbilitiesAndRace, Make<FrameStep3>, {500, 315}},
    {StepId::kPriors, Make<FrameStep6>, {500, 385}},
    {StepId::kQuirkRolling, Make<FrameStep7>, {550, 550}},
    {StepId::kCherryPicking, Make<CherryStep7>, {550, 365}},
    {StepId::kQuirkRollingRandomly, Make<FrameStep7>, {550, 550}},
    {StepId::kRaiseAbilities, Make<FrameStep8>, {470, 280}},
    {StepId::kThiefSkills, Make<ThiefSkills>, {300, 300}},
    {StepId::kAgeAndMoney, Make<FrameStep10>, {290, 155}},
    {StepId::kSkills, Make<SkillFrame>, {731, 545}},
    {StepId::kAlignment, Make<AlignmentStep>, {300, 150}},
    {StepId::kShop, Make<EquipFrame>, {731, 545}},
    {StepId::kAdvanceLevel, Make<AdvanceLevelFrame>, {640, 330}},
    {StepId::kLevelThiefSkills, Make<LevelThiefSkills>, {300, 300}},
    {StepId::kSpellBook, Make<SpellBookFrame>, {900, 545}},
};

const StepWindow& WindowOf(StepId step) {
    for (const StepWindow& window : kStepWindows) {
        if (window.step == step) {
            return window;
        }
    }
    return kStepWindows[0]; // every step has a row; the flow test and the gui walks see to it
}

wxPoint PlaceOf(const StepOpening& opening, const wxRect& opener, const wxSize& size) {
    switch (opening.placement) {
    case Placement::kInPlaceOfOpener:
        return opener.GetPosition();
    case Placement::kBesideAgeAndMoney:
        return PlaceBeside(wxRect(opener.GetPosition(), WindowOf(StepId::kAgeAndMoney).size), size);
    case Placement::kDefault:
        break;
    }
    return wxDefaultPosition;
}

} // namespace

wxFrame* OpenCreationStep(const StepOpening& opening, const wxRect& opener) {
    const StepWindow& window = WindowOf(opening.step);
    // A window of the same slot still open (the skills window the tree opened, when a new
    // level brings slots) gives way to the fresh one, which shows the character as it is now.
    if (opening.slot != kNoRegistrySlot && VexlFrames[opening.slot]) {
        wxFrame* stale = VexlFrames[opening.slot];
        ForgetWindow(stale);
        stale->Destroy();
    }
    wxFrame* frame = window.make(wxString::FromUTF8(opening.title),
                                 PlaceOf(opening, opener, window.size), window.size);
    if (opening.slot != kNoRegistrySlot) {
        VexlFrames[opening.slot] = frame;
    }
    frame->Show(true);
    return frame;
}

void OpenCreationSteps(const std::vector<StepOpening>& openings, const wxRect& opener) {
    for (const StepOpening& opening : openings) {
        OpenCreationStep(opening, opener);
    }
}

void RaiseOrOpenCreationStep(StepId step) {
    const StepOpening& opening = OpeningOf(step);
    if (opening.slot != kNoRegistrySlot && VexlFrames[opening.slot]) {
        VexlFrames[opening.slot]->Raise();
        return;
    }
    OpenCreationStep(opening);
}
