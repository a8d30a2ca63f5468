#pragma once

#include <string>
#include <vector>

#include "core/model/outcome.h"
#include "core/wizard/creation_flow.h"

class CharacterSpell;

constexpr const char* kSpellBookTitle = "Spell Book";
// Asked when the shop closes on a spell-caster whose book is still empty.
constexpr const char* kOpenSpellBookQuestion =
    "Your character casts spells and its spell book is empty. Open the spell book now to learn "
    "or choose its spells?";

// The character's spell book: the spells open to it (docs/spell-book.md) on one side, the book
// on the other. A Magic-User spell is learned by a d100 roll against Intelligence's "learn
// spells %", through the roll exchange: a failure bars that spell until its class's next
// level, and a book holds no more Magic-User spells of one spell level than Intelligence's
// "max spells per level". A Priest spell is chosen, no roll and no count. A spell can be
// struck from the book (a game master's ruling). The window drives this object; the
// automatic player and the tests drive it the same way.
class SpellBookStep {
public:
    // The filter: "All Spells", "Level 1" to "Level 9", then each school or sphere of the
    // spells open to the character.
    std::vector<std::string> Filters() const;
    static std::vector<std::string> ShopColumns();
    // The spells open to the character and not in its book that `filter` keeps: name, level,
    // school, range, duration, casting time, save.
    std::vector<std::vector<std::string>> ShopRows(int filter) const;
    // The book: name, level, pages.
    std::vector<std::vector<std::string>> BookRows() const;

    // Learns (Magic-User) or takes (Priest) the spell named `name`; refused, saying why, when
    // the spell is not open, in the book already, barred after a failure, or its level full.
    // Done also when the learning roll fails: `Told()` says how it went.
    Outcome Learn(const std::string& name);
    const std::string& Told() const { return told_; }
    // Strikes the book's row `row`; false when there is no such row.
    bool Remove(int row);

    // "Learn Spells 85%, at most 18 spells a level", what the player weighs; empty for a
    // character that casts no Magic-User spell.
    std::string ChanceText() const;
    // The book to the tree; the window then closes.
    StepExit Continue();

private:
    Outcome LearnByRoll(const CharacterSpell& spell);
    std::string told_;
};

// Whether the spell book may open now: not while a creation is in progress (its steps own the
// character); the player is told so.
bool SpellBookMayOpen();

// What closing the shop leads to: the spell book for a spell-caster whose book is empty, when
// the player takes up the offer; else nothing.
StepExit ShopClosed();
