#pragma once

#include <string>

// The editing of the character tree: activating an item edits the background value it shows
// or reopens the window that edits it, once no creation is in progress. The tree window
// drives this object with the text of the activated item's parent; the tests drive it the
// same way.
class TreeEditor {
public:
    enum class Action {
        kNothing,       // a creation is in progress, the item is not editable, or no change
        kOpenSkills,    // the skills, talents and proficiencies window
        kOpenEquipment, // the equipment window
        kOpenAdvancement, // the advance window (experience awards and new levels)
        kOpenSpellBook,   // the spell book
        kChanged,       // the record changed; `shown` is the activated item's new text
    };
    struct Result {
        Action action = Action::kNothing;
        std::string shown;
    };

    // Edits the value under the key `parent_text` ("Age", "Handeness" ...) or names the
    // window to open for an item of "Skills", "Talents", "Proficiencies", "Equipment",
    // "Experience Points" or "Spells Known".
    // Background values are asked for in a text dialog prefilled with the record's value;
    // numbers are read as whole numbers ("%i years", "%i inches", "%i lbs" shown). A social
    // class must contain "Class" and a handedness must be "Right", "Left" or "Ambidextrous";
    // other texts, and cancelled dialogs, change nothing.
    static Result Edit(const std::string& parent_text);

    // Whether no creation is in progress, so edits are taken.
    static bool EditingAllowed();
};
