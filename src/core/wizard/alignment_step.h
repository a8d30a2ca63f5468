#pragma once

#include <string>
#include <vector>

// The end of the creation proper: the alignment is chosen from those the class allows, the
// first-level hit points of every class are rolled, and the character is named. Continue ends
// the creation (stage 0); the equipment shop follows. The window drives this object; the
// tests drive it the same way.
class AlignmentChoice {
public:
    // The chosen class's alignments, in their order; the window selects the first.
    static std::vector<std::string> Alignments();

    // Finishes the creation with `alignment`.
    static void Continue(const std::string& alignment);
};

// Every class entry of the character gets its first-level hit points: the class's kicker
// (entry 0 of the entry's hit points) and a roll of its level-1 hit dice (entry 1). The sum of
// kicker and roll over the entries, halved (whole-number division) when there is more than one
// entry, is added to the character's hit points.
void RollFirstLevelHitPoints();

// Sets the alignment, ends the creation (stage 0), logs "Alignment = %s", rolls the
// first-level hit points and asks for the character's name once (a cancelled dialog leaves the
// name empty).
void FinishCreation(const std::string& alignment);
