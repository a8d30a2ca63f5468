// The sheet's sections of figures: who the character is, abilities, hit points, experience,
// saving throws and movement.
#include <cstdio>

#include "core/data/class_progress.h"
#include "core/data/saving_throws.h"
#include "core/files/ability_effects.h"
#include "core/files/character_sheet_sections.h"
#include "core/files/derived_values.h"
#include "core/files/sheet_markup.h"
#include "core/model/character.h"

namespace {

std::string Number(int value) {
    return std::to_string(value);
}

std::string ScoreText(int score, int percentile) {
    char text[32];
    std::snprintf(text, sizeof text, "%i/%i", score, percentile);
    return text;
}

std::string Small(const std::string& text) {
    return "<SMALL>" + HtmlEscape(text) + "</SMALL>";
}

} // namespace

std::span<const SheetSectionWriter> SheetSections() {
    static const SheetSectionWriter kSections[] = {
        WriteInformationSection, WriteAbilitiesSection,    WriteHitPointsSection,
        WriteExperienceSection,  WriteSavingThrowsSection, WriteMovementSection,
        WriteRacialSection,      WriteSpellsSection,       WriteQuirksSection,
        WriteSkillsSection,      WriteInventorySection,    WriteFamilySection,
    };
    return kSections;
}

void WriteInformationSection(std::ostream& out) {
    const Character_Class& c = current_character;
    SheetSection section(out, "Character Information", 4);
    section.GridCell("Character: ", c.character_name);
    section.GridCell("Player: ", "");
    section.GridCell("Race: ", c.race);
    section.GridCell("Class: ", c.class_long_name);
    section.GridCell("Level: ", Number(c.level));
    section.GridCell("Homeland: ", "");
    section.GridCell("Alignment: ", c.alignment);
    section.GridCell("Liege/Patron: ", "");
    section.GridCell("Patron Gawd:", "");
    section.GridCell("Social Class: ", c.social_class);
    section.GridCell("Family/Clan: ", "");
    section.GridCell("Height: ", Number(c.character_height));
    section.GridCell("Weight: ", Number(c.character_weight) + " lbs.");
    section.GridCell("Sex: ", c.sex);
    section.GridCell("Birth Date:", "");
    section.GridCell("Handedness: ", c.handedness);
    section.GridCell("Age: ", Number(c.age));
    section.GridCell("Appearance: ", "");
}

void WriteAbilitiesSection(std::ostream& out) {
    const Character_Class& c = current_character;
    SheetSection section(out, "Abilities", 15);
    for (const SavedAbility& ability : SavedAbilities()) {
        section.BeginRow();
        section.Cell(std::string("<B>") + ability.abbr + "</B>");
        section.Cell(ScoreText(c.*ability.score, c.*ability.percentile));
        auto pair = [&](const AbilityEffect& effect) {
            section.Cell(Small(effect.label));
            section.Cell(Small(EffectText(ability, effect)));
        };
        for (const AbilityEffect& effect : ability.effects) {
            pair(effect);
        }
        if (ability.score == &Character_Class::charisma_base) {
            for (const AbilityEffect& effect : SheetExtraCharismaEffects()) {
                pair(effect);
            }
        }
    }
    section.BeginRow();
    section.Cell("<B>HON</B>");
    section.Cell(Number(c.honor));
    section.Cell("<B>FAME</B>: " + HtmlEscape(c.honor_standing), 13);
}

void WriteHitPointsSection(std::ostream& out) {
    SheetSection section(out, "Hit Points", 1);
    section.BeginRow();
    out << "<TD ALIGN=LEFT>\n";
    {
        SheetList list(out);
        list.Item("Hit Points: " + Number(current_character.hit_points));
    }
    out << "</TD>\n";
}

// One line per class: its experience, its level and what the next level needs.
void WriteExperienceSection(std::ostream& out) {
    SheetSection section(out, "Experience Points", 1);
    section.BeginRow();
    out << "<TD ALIGN=LEFT>\n";
    {
        SheetList list(out);
        for (const ClassProgress& progress : ClassProgressOfCharacter()) {
            list.Item(progress.item->name + ": " + ProgressText(progress));
        }
    }
    out << "</TD>\n";
}

void WriteSavingThrowsSection(std::ostream& out) {
    static const char* const kSaves[] = {
        "Paralyzation",  "Poison",  "Death Magic", "Petrification", "Polymorph",
        "Rod",           "Staff",   "Wand",        "FrayFrenzy",    "FrayLust",
        "Breath Weapon", "Apology", "Spells",
    };
    SheetSection section(out, "Saving Throws", 5);
    for (const char* save : kSaves) {
        section.GridCell(std::string(save) + ": ", Number(GetSave(save, current_character.level)));
    }
}

void WriteMovementSection(std::ostream& out) {
    const std::vector<MovementBand> bands = MovementBands();
    SheetSection section(out, "Movement and Encumbrance", 8);
    section.BeginRow();
    section.Cell("");
    for (const MovementBand& band : bands) {
        section.Cell(band.full);
    }
    section.Cell("Jog");
    section.Cell("Run");
    section.BeginRow();
    section.Cell("Load");
    section.Cell(HtmlEscape("0-" + WeightAllowance()));
    for (std::size_t i = 1; i < bands.size(); ++i) {
        section.Cell(HtmlEscape(bands[i].load));
    }
    section.Cell("");
    section.Cell("");
    section.BeginRow();
    section.Cell("Rate");
    for (const MovementBand& band : bands) {
        section.Cell(HtmlEscape(band.rate));
    }
    section.Cell("x2");
    section.Cell("x3");
}
