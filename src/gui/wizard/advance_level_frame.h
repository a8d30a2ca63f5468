#pragma once

#include <optional>

#include <wx/frame.h>

#include "core/advance/level_advancement.h"
#include "gui/base/character_window.h"

class wxButton;
class wxListCtrl;
class wxListEvent;
class wxTextCtrl;

// The advance window, on the character in hand: each class with its level, its experience and
// the experience of its next level; "Award Experience..." gives the character experience, and
// "Advance" takes the chosen class up one level, its hit point roll shown as the creation's
// rolls are. What the level brings to place or spend opens beside it: the thief skills at the
// new level, the skills window for new proficiency slots; "Place Thief Points" opens the thief
// skills again for points left unplaced. A refused advance says why in the status bar.
class AdvanceLevelFrame : public wxFrame, public CharacterWindow {
public:
    AdvanceLevelFrame(wxWindow* parent, const wxString& title, const wxPoint& pos,
                      const wxSize& size);
    ~AdvanceLevelFrame() override;

    // Reads the character's classes again (after an award made elsewhere).
    void Refill();

    wxListCtrl* ClassList() const { return classes_; }
    wxTextCtrl* GainsText() const { return gains_; }
    wxButton* AdvanceButton() const { return advance_; }
    wxButton* PlaceThiefPointsButton() const { return place_points_; }

    void OnAward(wxCommandEvent& event);
    void OnAdvance(wxCommandEvent& event);
    // Opens (or brings up) the thief skills of the level whose points are still owed.
    void OnPlaceThiefPoints(wxCommandEvent& event);

private:
    void OnClose(wxCommandEvent& event);
    void OnSelected(wxListEvent& event);
    std::optional<int> ChosenRow() const;
    void EnableAdvance();

    LevelAdvancement advancement_;
    std::vector<ClassProgress> rows_; // the classes as the list shows them
    wxListCtrl* classes_ = nullptr;
    wxTextCtrl* gains_ = nullptr;
    wxButton* advance_ = nullptr;
    wxButton* place_points_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};

// The open advance window shows the character's classes afresh; nothing when it is closed.
void RefreshAdvanceWindow();
