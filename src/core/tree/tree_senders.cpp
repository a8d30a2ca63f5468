#include "core/tree/tree_senders.h"

#include <cstdio>
#include <string>
#include <vector>

#include "core/app/character.h"
#include "core/app/user_port.h"

void messagetotree() {
    // The ability scores branch; the racial and class branches join it as their steps arrive.
    Character_Class& c = current_character;
    static const char* const kNames[7] = {"Strength",  "Dexterity", "Constitution", "Intelligence",
                                          "Wisdom",    "Charisma",  "Comeliness"};
    const auto scores = c.Scores();
    const auto fractions = c.Percentiles();
    std::vector<std::string> keys, values;
    for (int i = 0; i < 7; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%i/%i", *scores[i], *fractions[i]);
        keys.emplace_back(kNames[i]);
        values.emplace_back(text);
    }
    Port().UpdateTreeBranch("Ability Scores", keys, values);
}
