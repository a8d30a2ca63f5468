#pragma once

#include <wx/frame.h>

class wxCloseEvent;

// The frame style of a character window: a frame of its own that floats above the main
// window, so a step never opens under it nor falls behind it when a dialog hands the focus
// back to the main window.
constexpr long kCharacterWindowStyle = wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT;

// A window that reads or writes the character in hand: every creation step, the thief skills,
// the shop, and the skills and shop windows the tree opens. When the record is about to hold
// another character (New Character, a saved character opened), every such window is retired:
// it closes without a word and without touching the record or the creation stage, so a window
// left open from the previous character can never take over the next one.
class CharacterWindow {
public:
    explicit CharacterWindow(wxFrame* frame) : frame_(*frame) {}
    virtual ~CharacterWindow() = default;
    CharacterWindow(const CharacterWindow&) = delete;
    CharacterWindow& operator=(const CharacterWindow&) = delete;

    // True once the window was retired: its closing must then leave the record, the creation
    // stage and the tree as the new character has them.
    bool Retired() const { return retired_; }

private:
    friend void RetireCharacterWindows();
    wxFrame& frame_;
    bool retired_ = false;
};

// Closes every open character window at once, emptying its registry slot now, so that the
// next creation opens fresh windows.
void RetireCharacterWindows();

// Closing a creation window by its close box ends the creation; while one is in progress the
// player is asked first, and "No" keeps the window open. Abort and Continue close the window
// by force and are not asked. Returns whether the window may close.
bool MayCloseCreationWindow(wxCloseEvent& event, const wxFrame& window);
