#include "core/wizard/quirk_holdings.h"

#include "core/data/quirk_flaw.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/text.h"

std::string QuirkLine(int entry, int times) {
    std::string line = quirkflaw[entry].name;
    if (times > 1) {
        line += " (x" + std::to_string(times) + ")";
    }
    return line;
}

std::vector<std::string> HeldQuirkLines() {
    std::vector<std::string> lines;
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        if (current_character.quirk_count[entry] > 0) {
            lines.push_back(QuirkLine(entry, current_character.quirk_count[entry]));
        }
    }
    return lines;
}

void AppendHeldQuirks() {
    for (int entry = kFirstQuirkEntry; entry < kQuirkEntryEnd; ++entry) {
        const int held = current_character.quirk_count[entry];
        if (held > 0) {
            current_character.quirks.AddTail(MakeItem<QuirkDataItem>(quirkflaw[entry].name, held));
        }
    }
}

bool IsFemaleCharacter() {
    const Character_Class& c = current_character;
    return (c.race_item ? c.race_item->sex : c.sex) == "Female";
}
