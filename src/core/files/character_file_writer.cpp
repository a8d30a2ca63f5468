#include "core/files/character_file_writer.h"

#include <initializer_list>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <unordered_map>

#include "core/data/class_data.h"
#include "core/data/data_numbers.h"
#include "core/data/race_data.h"
#include "core/data/saving_throws.h"
#include "core/files/ability_effects.h"
#include "core/files/class_history_tags.h"
#include "core/files/derived_values.h"
#include "core/files/saved_files.h"
#include "core/files/saved_text.h"
#include "core/model/character.h"
#include "core/model/character_fields.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"

const std::string& xmlSafe(const std::string& text) {
    temporaryString = EscapeSavedText(text);
    return temporaryString;
}

const std::string& xmlSafe(const char* text) {
    temporaryString = text ? text : "";
    return temporaryString;
}

const std::string& xmlSafe(int number) {
    temporaryString = std::to_string(number);
    return temporaryString;
}

namespace {

// One leaf element on one line: <TAG>value</TAG>.
template <typename Value> void Leaf(std::ostream& out, std::string_view tag, const Value& value) {
    out << '<' << tag << '>' << xmlSafe(value) << "</" << tag << '>' << '\n';
}

// A leaf whose opening tag carries an attribute: <TAG ATTR>value</TAG>.
void Leaf(std::ostream& out, std::string_view tag, std::string_view attribute,
          const std::string& value) {
    out << '<' << tag << ' ' << attribute << '>' << xmlSafe(value) << "</" << tag << '>' << '\n';
}

// The record's field whose file element is `tag`.
const CharacterField& FieldTagged(std::string_view tag) {
    static const auto by_tag = [] {
        std::unordered_map<std::string_view, const CharacterField*> fields;
        for (const CharacterField& field : CharacterFields()) {
            if (!field.file_tag.empty()) {
                fields.emplace(field.file_tag, &field);
            }
        }
        return fields;
    }();
    const auto found = by_tag.find(tag);
    if (found == by_tag.end()) {
        throw std::logic_error("no field of the record has the element " + std::string(tag));
    }
    return *found->second;
}

// One leaf per element, in the order given, each holding the record's field of that element.
void FieldLeaves(std::ostream& out, const Character_Class& c,
                 std::initializer_list<std::string_view> tags) {
    for (const std::string_view tag : tags) {
        std::visit(
            [&](const auto& member) {
                using Member = std::decay_t<decltype(member)>;
                if constexpr (std::is_same_v<Member, std::string Character_Class::*> ||
                              std::is_same_v<Member, int32_t Character_Class::*>) {
                    Leaf(out, tag, c.*member);
                } else {
                    throw std::logic_error("the element " + std::string(tag) +
                                           " holds no single value");
                }
            },
            FieldTagged(tag).member);
    }
}

void Line(std::ostream& out, std::string_view text) {
    out << text << '\n';
}

// <NAME> holding a FULL and an ABBR line.
void NameBlock(std::ostream& out, const char* full, const char* abbr) {
    Line(out, "<NAME>");
    Leaf(out, "FULL", full);
    Leaf(out, "ABBR", abbr);
    Line(out, "</NAME>");
}

void WriteSource(std::ostream& out) {
    Line(out, "<SOURCE>");
    Line(out, "<GAME>");
    NameBlock(out, "Fraymark", "FK");
    Leaf(out, "COPYRIGHT",
         "The Fraymark game, its rules &amp; tables: the Fraymark rights holders");
    Line(out, "</GAME>");
    Line(out, "<PROGRAM>");
    NameBlock(out, "Fraymark Character Generator", "Vexl");
    Leaf(out, "VERSION", kToolkitVersion);
    Leaf(out, "COPYRIGHT", "Orlund's Plainspun Fraymark Toolkit");
    Leaf(out, "AUTHOR", "The makers of Orlund's Plainspun Fraymark Toolkit");
    Line(out, "</PROGRAM>");
    Line(out, "</SOURCE>");
}

void WriteBiography(std::ostream& out, const Character_Class& c) {
    Line(out, "<BIOGRAPHICAL_INFORMATION>");
    FieldLeaves(out, c, {"CHARACTER_NAME"});
    Leaf(out, "PLAYER_NAME", "");
    // The race record's name; the saved text when the race is not in the data.
    Leaf(out, "RACE", c.race_item ? c.race_item->name : c.race);
    FieldLeaves(
        out, c,
        {"CLASS_LONG_NAME", "LEVEL", "ALIGNMENT", "SOCIAL_CLASS", "SOCIAL_ID", "CHARACTER_HEIGHT"});
    Leaf(out, "CHARACTER_WEIGHT", "UNIT=\"lbs.\"", std::to_string(c.character_weight));
    FieldLeaves(out, c, {"SEX", "HANDEDNESS", "AGE"});
    Line(out, "</BIOGRAPHICAL_INFORMATION>");
}

void WriteAttributes(std::ostream& out, const Character_Class& c) {
    Line(out, "<ATTRIBUTES>");
    for (const SavedAbility& ability : SavedAbilities()) {
        Line(out, "<ABILITY_SCORE>");
        NameBlock(out, ability.full, ability.abbr);
        Leaf(out, ability.base_tag, c.*ability.score);
        Leaf(out, ability.perc_tag, c.*ability.percentile);
        for (const AbilityEffect& effect : ability.effects) {
            Line(out, "<MODIFIER>");
            Leaf(out, "TYPE", effect.label);
            Leaf(out, "VALUE", EffectText(ability, effect));
            Line(out, "</MODIFIER>");
        }
        Line(out, "</ABILITY_SCORE>");
    }
    Line(out, "<ABILITY_SCORE>");
    NameBlock(out, "Honor", "HON");
    Leaf(out, "HONOR_BASE", c.honor);
    Line(out, "<MODIFIER>");
    Leaf(out, "VALUE", "Honor Text Goes Here");
    Line(out, "</MODIFIER>");
    Line(out, "</ABILITY_SCORE>");
    Line(out, "</ATTRIBUTES>");
}

void WriteClassData(std::ostream& out) {
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        Line(out, "<CLASS_DATA>");
        Leaf(out, "CLASS_NAME", item->name);
        Leaf(out, "CLASS_LEVEL", item->level);
        // Every digit of a whole number, so the points read back exactly.
        Leaf(out, "CLASS_EXP", ExperienceText(item->experience));
        for (int level = 0; level <= LastWrittenLevel(item->level); ++level) {
            for (const ClassHistoryArray& array : kClassHistoryArrays) {
                const std::string tag = array.tag + std::to_string(level);
                Leaf(out, tag, (item->*array.values)[static_cast<std::size_t>(level)]);
            }
        }
        Line(out, "</CLASS_DATA>");
    }
}

// Every tag and value on a line of its own.
void OwnLines(std::ostream& out, std::string_view tag, const std::string& value) {
    out << '<' << tag << '>' << '\n' << value << '\n' << "</" << tag << '>' << '\n';
}

void WriteSavingThrows(std::ostream& out, const Character_Class& c) {
    Line(out, "<SAVING_THROWS>");
    for (const SavingThrowLine& save : SavingThrowLines()) {
        Line(out, "<THROW>");
        Line(out, "<NAME>");
        OwnLines(out, "FULL", save.full);
        OwnLines(out, "ABBR", save.abbr);
        Line(out, "</NAME>");
        OwnLines(out, "VALUE", xmlSafe(GetSave(save.lookup, c.level)));
        Line(out, "</THROW>");
    }
    Line(out, "</SAVING_THROWS>");
}

void WriteMovement(std::ostream& out) {
    Line(out, "<MOVEMENT_RATES>");
    for (const MovementBand& band : MovementBands()) {
        Line(out, "<MOVE_CATEGORY>");
        NameBlock(out, band.full, band.abbr);
        OwnLines(out, "ENCUMBRANCE", band.load);
        OwnLines(out, "RATE", band.rate);
        Line(out, "</MOVE_CATEGORY>");
    }
    Line(out, "</MOVEMENT_RATES>");
}

void EntryList(std::ostream& out, std::string_view tag, const std::vector<std::string>* entries) {
    out << '<' << tag << '>' << '\n';
    if (entries) {
        for (const std::string& entry : *entries) {
            Line(out, entry);
        }
    }
    out << "</" << tag << '>' << '\n';
}

void WriteRacialAttributes(std::ostream& out, const Character_Class& c) {
    const CharacterRace* race = c.race_item;
    Line(out, "<RACIAL_ATTRIBUTES>");
    EntryList(out, "RACIAL_BONUS", race ? &race->rtext : nullptr);
    EntryList(out, "RACIAL_TALENT", race ? &race->rtalents : nullptr);
    EntryList(out, "RACIAL_DOWNSIDE", race ? &race->rdownside : nullptr);
    Line(out, "</RACIAL_ATTRIBUTES>");
}

void Events(std::ostream& out, std::string_view tag, std::string_view attribute,
            const std::vector<std::string>& events) {
    for (const std::string& event : events) {
        Leaf(out, tag, attribute, event);
    }
}

void WriteMagicUserBackground(std::ostream& out, const Character_Class& c) {
    Line(out, "<BACKGROUND TYPE=\"Magic-User\">");
    FieldLeaves(out, c,
                {"SCHOOL_LOCATION", "SCHOOL_TYPE", "MASTER_QUALITY_NURTURE",
                 "MASTER_QUALITY_EDUCATION", "CLASS_SIZE", "CLASS_EQUIPMENT", "CLASS_RANK"});
    Line(out, "</BACKGROUND>");
}

void WriteFighterBackground(std::ostream& out, const Character_Class& c) {
    Line(out, "<BACKGROUND TYPE=\"Fighter\">");
    Line(out, "<TRAINING TYPE=\"Basic\">");
    FieldLeaves(out, c, {"CAMP_TYPE", "CAMP_QUALITY", "CAMP_RESULTS"});
    Events(out, "ACCIDENT_EVENT", "TYPE=\"Accident\"", c.accident_events);
    Line(out, "</TRAINING>");
    FieldLeaves(out, c, {"SPECIALTY_ASSIGNMENT"});
    Line(out, "<TRAINING TYPE=\"Advanced\">");
    FieldLeaves(out, c, {"AIT_QUALITY"});
    Line(out, "</TRAINING>");
    FieldLeaves(out, c, {"STATE_OF_HOSTILITIES"});
    Events(out, "WAR_EVENT", "TYPE=\"War\"", c.war_events);
    FieldLeaves(out, c, {"OCCUPYING_FORCE_ATTITUDE"});
    Leaf(out, "OCCUPATION_EVENT", "TYPE=\"During Occupation\"", c.occupation_event);
    Leaf(out, "GUERILLA_EVENT", "TYPE=\"Quell Guerilla Movement\"", c.guerilla_event);
    Events(out, "NONCOMBAT_EVENT", "TYPE=\"Non-combat Tour\"", c.noncombat_events);
    Line(out, "</BACKGROUND>");
}

void WriteClericBackground(std::ostream& out, const Character_Class& c) {
    Line(out, "<BACKGROUND TYPE=\"Cleric\">");
    FieldLeaves(out, c,
                {"VG_THE_CALL", "VG_SCHOOL_TYPE", "VG_REVEREND_SUPERIOR_COMPETENCY",
                 "VG_REVEREND_SUPERIOR_PERSONALITY", "VG_ACCOUTREMENTS", "VG_RESIDENCY_LOCATION",
                 "VG_RESIDENCY_RESULTS", "VG_FINAL_RESULTS"});
    Line(out, "</BACKGROUND>");
}

// The supplement backgrounds the character's class belongs to and the character took. The
// fighter background counts as taken when the supplement obliged it or it was rolled.
void WriteBackgrounds(std::ostream& out, const Character_Class& c) {
    const CharacterClass* cls = c.class_item;
    if (!cls) {
        return;
    }
    if (cls->mage > 0 && c.requires_hwg_class) {
        WriteMagicUserBackground(out, c);
    }
    if (cls->fighter == 1 && (c.requires_wg_class || !c.camp_type.empty())) {
        WriteFighterBackground(out, c);
    }
    if (cls->cleric == 1 && c.requires_vg_class) {
        WriteClericBackground(out, c);
    }
}

void WriteCoins(std::ostream& out, const Character_Class& c) {
    Line(out, "<COINS>");
    if (c.gold > 0) {
        Leaf(out, "GOLDCOINS", c.gold);
    }
    if (c.silver > 0) {
        Leaf(out, "SILVERCOINS", c.silver);
    }
    if (c.copper > 0) {
        Leaf(out, "COPPERCOINS", c.copper);
    }
    // The gold the character's family owes, kept with the coins; a file without it (no debt,
    // or written before debts were saved) reads as no debt.
    if (c.hereditary_debt != 0) {
        FieldLeaves(out, c, {"HEREDITARY_DEBT"});
    }
    Line(out, "</COINS>");
}

void WriteInheritedItems(std::ostream& out, const Character_Class& c) {
    Line(out, "<INHERITED_ITEMS>");
    const std::pair<const char*, const std::string*> items[] = {
        {"INHERITED_WEAPON", &c.inherited_weapon},
        {"INHERITED_ARMOR", &c.inherited_armor},
        {"INHERITED_SHIELDHELMET", &c.inherited_shieldhelmet},
        {"INHERITED_MOUNT", &c.inherited_mount},
        {"INHERITED_DEED", &c.inherited_deed},
    };
    for (const auto& [tag, value] : items) {
        if (!value->empty()) {
            Leaf(out, tag, *value);
        }
    }
    Line(out, "</INHERITED_ITEMS>");
}

template <typename Item>
void ItemSection(std::ostream& out, std::string_view section, std::string_view name_tag,
                 std::string_view value_tag) {
    if (!Item::pHead) {
        return;
    }
    out << '<' << section << '>' << '\n';
    for (const Item* item = Item::pHead.get(); item; item = item->next.get()) {
        Leaf(out, name_tag, item->name);
        Leaf(out, value_tag, item->value);
    }
    out << "</" << section << '>' << '\n';
}

void WriteItemSections(std::ostream& out) {
    ItemSection<EquipDataItem>(out, "EQUIPMENT_SECTION", "EQUIPNAME", "EQUIPQTY");
    ItemSection<SpellDataItem>(out, "SPELL_SECTION", "SPELLNAME", "SPELLPAGES");
    // Spells the character failed to learn, each barred until its class's next level.
    ItemSection<SpellAttemptItem>(out, "FAILED_SPELL_SECTION", "FAILEDSPELLNAME",
                                  "FAILEDSPELLLEVEL");
    ItemSection<QuirkDataItem>(out, "QUIRKANDFLAW_SECTION", "QUIRKNAME", "QUIRKRATING");
    ItemSection<ProfDataItem>(out, "PROF_SECTION", "PROFICIENCYNAME", "PROFICIENCYRATING");
    ItemSection<TalentDataItem>(out, "TALENT_SECTION", "TALENTNAME", "TALENTRATING");
    ItemSection<SkillDataItem>(out, "SKILL_SECTION", "SKILLNAME", "SKILLRATING");
}

void WriteFamily(std::ostream& out, const Character_Class& c) {
    Line(out, "<FAMILY_INFORMATION>");
    FieldLeaves(out, c,
                {"FAMILY_HERITAGE", "FATHER_STATUS", "FATHER_QUALITY", "MOTHER_STATUS",
                 "MOTHER_QUALITY", "STEPPARENT", "LEGITAMACY_OF_BIRTH", "CIRCUMSTANCE_OF_BIRTH",
                 "BIRTH_ORDER", "SIBLINGS"});
    for (int n = 1; n <= kSiblingLines; ++n) {
        Leaf(out, "SIBLING" + std::to_string(n), std::string(c.sibling[n - 1]));
    }
    Line(out, "</FAMILY_INFORMATION>");
}

} // namespace

void WriteCharacterFile(std::ostream& out) {
    const Character_Class& c = current_character;
    Line(out, "<?xml version=\"1.0\"?>");
    Line(out, "<FRAYMARK_CHARACTER>");
    WriteSource(out);
    WriteBiography(out, c);
    WriteAttributes(out, c);
    FieldLeaves(out, c, {"HIT_POINTS"});
    // Proficiency slots not spent yet (a new level brings some): kept for the skills window.
    if (c.free_proficiencies != 0) {
        FieldLeaves(out, c, {"PROFICIENCY_SLOTS"});
    }
    WriteClassData(out);
    WriteSavingThrows(out, c);
    WriteMovement(out);
    WriteRacialAttributes(out, c);
    WriteBackgrounds(out, c);
    WriteCoins(out, c);
    WriteInheritedItems(out, c);
    WriteItemSections(out);
    WriteFamily(out, c);
    Line(out, "</FRAYMARK_CHARACTER>");
}

bool CreateXMLSheet(const std::string& file_name, int /*unused*/) {
    const auto target = SavedFilePath(kCharacterXmlDirectory, file_name);
    std::string error;
    if (ReplaceFileSafely(target, WriteCharacterFile, error)) {
        return true;
    }
    Port().ShowMessage("The character file " + target.filename().string() +
                           " was not saved: " + error + ".",
                       "CreateXMLSheet");
    return false;
}
