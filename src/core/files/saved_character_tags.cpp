#include "core/files/saved_character_tags.h"

#include <cctype>
#include <stdexcept>
#include <type_traits>

#include "core/model/character_fields.h"

namespace {

using C = Character_Class;

// A tag of the character file the reader knows, in the order the reader tests them. The member
// each tag fills comes from the record's field table.
struct TestedTag {
    const char* tag;
    bool C::*background_flag = nullptr;
};

// clang-format off
const TestedTag kTestOrder[] = {
    {"<CIRCUMSTANCE_OF_BIRTH"},
    {"<LEGITAMACY_OF_BIRTH"},
    {"<FAMILY_HERITAGE"},
    {"<SIBLING1"},
    {"<SIBLING2"},
    {"<SIBLING3"},
    {"<SIBLING4"},
    {"<SIBLING5"},
    {"<SIBLING6"},
    {"<SIBLING7"},
    {"<SIBLING8"},
    {"<SIBLING9"},
    {"<RACE"},
    {"<SEX"},
    {"<STEPPARENT"},
    {"<BIRTH_ORDER"},
    {"<MOTHER_STATUS"},
    {"<MOTHER_QUALITY"},
    {"<FATHER_STATUS"},
    {"<FATHER_QUALITY"},
    {"<CLASS_LONG_NAME"},
    {"<CLASS_NAME"},
    {"<HANDEDNESS"},
    {"<SOCIAL_CLASS"},
    {"<SOCIAL_ID"},
    {"<INHERITED_WEAPON"},
    {"<INHERITED_ARMOR"},
    {"<INHERITED_SHIELDHELMET"},
    {"<INHERITED_MOUNT"},
    {"<INHERITED_DEED"},
    {"<CHARACTER_NAME"},
    {"<ALIGNMENT"},
    {"<STRENGTH_BASE"},
    {"<STRENGTH_PERC"},
    {"<DEXTERITY_BASE"},
    {"<DEXTERITY_PERC"},
    {"<CONSTITUTION_BASE"},
    {"<CONSTITUTION_PERC"},
    {"<INTELLIGENCE_BASE"},
    {"<INTELLIGENCE_PERC"},
    {"<WISDOM_BASE"},
    {"<WISDOM_PERC"},
    {"<CHARISMA_BASE"},
    {"<CHARISMA_PERC"},
    {"<COMELINESS_BASE"},
    {"<COMELINESS_PERC"},
    {"<HONOR_BASE"},
    {"<AGE"},
    {"<HIT_POINTS"},
    {"<PROFICIENCY_SLOTS"},
    {"<CHARACTER_HEIGHT"},
    {"<CHARACTER_WEIGHT"},
    {"<SIBLINGS"},
    {"<LEVEL"},
    {"<GOLDCOINS"},
    {"<SILVERCOINS"},
    {"<COPPERCOINS"},
    {"<HEREDITARY_DEBT"},
    {"<SCHOOL_LOCATION", &C::requires_hwg_class},
    {"<SCHOOL_TYPE"},
    {"<MASTER_QUALITY_NURTURE"},
    {"<MASTER_QUALITY_EDUCATION"},
    {"<CLASS_SIZE"},
    {"<CLASS_EQUIPMENT"},
    {"<CLASS_RANK"},
    {"<CAMP_TYPE", &C::requires_wg_class},
    {"<CAMP_QUALITY"},
    {"<CAMP_RESULTS"},
    {"<ACCIDENT_EVENT"},
    {"<SPECIALTY_ASSIGNMENT"},
    {"<AIT_QUALITY"},
    {"<STATE_OF_HOSTILITIES"},
    {"<WAR_EVENT"},
    {"<OCCUPYING_FORCE_ATTITUDE"},
    {"<OCCUPATION_EVENT"},
    {"<GUERILLA_EVENT"},
    {"<NONCOMBAT_EVENT"},
    {"<VG_THE_CALL", &C::requires_vg_class},
    {"<VG_SCHOOL_TYPE"},
    {"<VG_REVEREND_SUPERIOR_COMPETENCY"},
    {"<VG_REVEREND_SUPERIOR_PERSONALITY"},
    {"<VG_ACCOUTREMENTS"},
    {"<VG_RESIDENCY_LOCATION"},
    {"<VG_RESIDENCY_RESULTS"},
    {"<VG_FINAL_RESULTS"},
    {"<SKILLNAME"},
    {"<TALENTNAME"},
    {"<PROFICIENCYNAME"},
    {"<QUIRKNAME"},
    {"<EQUIPNAME"},
    {"<SPELLNAME"},
    {"<FAILEDSPELLNAME"},
};
// clang-format on

// The item list a list field's entries are read into.
SavedField ListField(SpecialField field, std::string_view tag) {
    switch (field) {
    case SpecialField::kSkills:
        return SavedItemList::kSkill;
    case SpecialField::kTalents:
        return SavedItemList::kTalent;
    case SpecialField::kProficiencies:
        return SavedItemList::kProficiency;
    case SpecialField::kQuirks:
        return SavedItemList::kQuirk;
    case SpecialField::kEquipment:
        return SavedItemList::kEquipment;
    case SpecialField::kSpells:
        return SavedItemList::kSpell;
    case SpecialField::kFailedSpells:
        return SavedItemList::kFailedSpell;
    case SpecialField::kClasses:
        return ClassEntry{};
    case SpecialField::kSiblingLines:
        // "SIBLING1" to "SIBLING9": the digit numbers the line.
        return SiblingLine{tag.back() - '1'};
    default:
        throw std::logic_error("the character file has no element for " + std::string(tag));
    }
}

// The field of the record that `tag` ("<SIBLING3") fills, from the field table; a sibling
// line's tag is the field's tag and the line's number.
SavedField FieldOf(std::string_view tag) {
    std::string_view name = tag.substr(1);
    const bool numbered = std::isdigit(static_cast<unsigned char>(name.back()));
    const std::string_view field_tag = numbered ? name.substr(0, name.size() - 1) : name;
    for (const CharacterField& field : CharacterFields()) {
        if (field.file_tag != field_tag) {
            continue;
        }
        return std::visit(
            [&](const auto& member) -> SavedField {
                using Member = std::decay_t<decltype(member)>;
                if constexpr (std::is_same_v<Member, SpecialField>) {
                    return ListField(member, tag);
                } else if constexpr (std::is_same_v<Member, bool C::*>) {
                    throw std::logic_error("a flag has no element: " + std::string(tag));
                } else {
                    return member;
                }
            },
            field.member);
    }
    throw std::logic_error("no field of the record has the element " + std::string(tag));
}

const std::vector<SavedTag>& Tags() {
    static const std::vector<SavedTag> tags = [] {
        std::vector<SavedTag> built;
        for (const TestedTag& tested : kTestOrder) {
            built.push_back({tested.tag, FieldOf(tested.tag), tested.background_flag});
        }
        return built;
    }();
    return tags;
}

} // namespace

std::span<const SavedTag> SavedCharacterTags() {
    return Tags();
}

const SavedTag* MatchSavedTag(std::string_view tag_text) {
    for (const SavedTag& tag : Tags()) {
        if (tag_text.find(tag.tag) != std::string_view::npos) {
            return &tag;
        }
    }
    return nullptr;
}

const char* ItemNumberTag(SavedItemList list) {
    switch (list) {
    case SavedItemList::kSkill:
        return "<SKILLRATING";
    case SavedItemList::kTalent:
        return "<TALENTRATING";
    case SavedItemList::kProficiency:
        return "<PROFICIENCYRATING";
    case SavedItemList::kQuirk:
        return "<QUIRKRATING";
    case SavedItemList::kEquipment:
        return "<EQUIPQTY";
    case SavedItemList::kSpell:
        return "<SPELLPAGES";
    case SavedItemList::kFailedSpell:
        return "<FAILEDSPELLLEVEL";
    }
    return "";
}
