#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/data/tag_rules.h"
#include "core/model/linked_list.h"

// The five smaller rules lists: skills, talents, proficiencies, spells and equipment. The
// skill, talent and proficiency lists end with the record of their directory's "empty.qdf".
// The lists are searched with Find: the first record whose name contains the text.

class CharacterSkill : public LinkedRecord<CharacterSkill> {
public:
    static constexpr const char* kDirectory = "Skills";
    static constexpr const char* kFileSuffix = "_Skill.qdf";
    static constexpr const char* kClosingTag = "</CHARACTER_SKILL";
    static constexpr bool kEndsWithEmptyRecord = true;

    std::string name;
    int32_t bp = 0;
    int32_t book = 0;
    std::string page;
    int32_t ep_adj = 0; // the course cost; set by both "<EP_ADJ" and "<COURSE_COST"
    std::string mastery_abilities;
    int32_t course_die = 0;
    int32_t num_of_course_die = 0;
    int32_t difficulty = 0;
    std::vector<std::string> course_prereqs;
    std::vector<std::string> skill_suite_subs;
    int32_t course_prereqs_count = 0, skill_suite_subs_count = 0;
    int32_t category = 0;
    bool extend = false;

    void LoadSkill();
    void ParseSkillXML(const std::filesystem::path& file, CharacterSkill* record);
    static std::span<const TagRule<CharacterSkill>> Tags();
    static std::span<const FieldSpec<CharacterSkill>> Fields();
};

class CharacterTalent : public LinkedRecord<CharacterTalent> {
public:
    static constexpr const char* kDirectory = "Talents";
    static constexpr const char* kFileSuffix = "_Talent.qdf";
    static constexpr const char* kClosingTag = "</CHARACTER_TALENT";
    static constexpr bool kEndsWithEmptyRecord = true;

    std::string name;
    int32_t bp = 0;
    int32_t book = 0;
    std::string page;
    int32_t ep_adj = 0;
    int32_t max = 1; // how often the talent may be taken
    bool extend = false;
    std::string description;

    void LoadTalent();
    void ParseTalentXML(const std::filesystem::path& file, CharacterTalent* record);
    static std::span<const TagRule<CharacterTalent>> Tags();
    static std::span<const FieldSpec<CharacterTalent>> Fields();
};

class CharacterProf : public LinkedRecord<CharacterProf> {
public:
    static constexpr const char* kDirectory = "Proficiencies";
    static constexpr const char* kFileSuffix = "_Prof.qdf";
    static constexpr const char* kClosingTag = "</CHARACTER_PROF";
    static constexpr bool kEndsWithEmptyRecord = true;

    std::string name;
    int32_t book = 0;
    int32_t spcost = 0; // cost in proficiency slots
    int32_t type = 0;
    bool extend = false;

    void LoadProfs();
    void ParseProfXML(const std::filesystem::path& file, CharacterProf* record);
    static std::span<const TagRule<CharacterProf>> Tags();
    static std::span<const FieldSpec<CharacterProf>> Fields();
};

class CharacterSpell : public LinkedRecord<CharacterSpell> {
public:
    static constexpr const char* kDirectory = "Spells";
    static constexpr const char* kFileSuffix = "_Spell.qdf";
    static constexpr const char* kClosingTag = "</CHARACTER_SPELL";
    static constexpr bool kEndsWithEmptyRecord = false;

    std::string name;
    int32_t book = 0;
    std::string type;
    std::string specialization;
    std::string range;
    std::string component;
    std::string duration;
    std::string casting_time;
    std::string area_of_effect;
    std::string saving_throw;
    int32_t level = 0;
    std::string category;
    std::string spare_text; // kept in the record; no tag fills it
    int32_t pages = 0;      // pages the spell takes in a spell book; 0: as many as its level

    void LoadSpell();
    void ParseSpellXML(const std::filesystem::path& file, CharacterSpell* record);
    static std::span<const TagRule<CharacterSpell>> Tags();
    static std::span<const FieldSpec<CharacterSpell>> Fields();
};

// The pages a spell takes in a book: its PAGES, or its level when the record gives none.
int SpellPages(const CharacterSpell& spell);

// "level 2, Evocation, 2 pages" for a spell of the book, as the sheet and the tree show it;
// "2 pages" alone for a spell the data no longer holds.
std::string SpellBookEntryText(const std::string& name, int pages);

class CharacterEquip : public LinkedRecord<CharacterEquip> {
public:
    static constexpr const char* kDirectory = "Equipment";
    static constexpr const char* kFileSuffix = "_Equipment.qdf";
    static constexpr const char* kClosingTag = "</CHARACTER_EQUIP";
    static constexpr bool kEndsWithEmptyRecord = false;

    std::vector<std::string> categories;
    int32_t categories_count = 0;
    std::string name;
    float weight = 0;
    int32_t tableid = 0; // the shop category: category k (from 0) shows table id k + 1
    int32_t cost = 0;
    std::string cost_unit; // "Gold", "Silver" or "Copper": the coin of the tag that set cost
    bool combine = false;  // owned units stack into one entry

    void LoadEquip();
    void ParseEquipXML(const std::filesystem::path& file, CharacterEquip* record);
    static std::span<const TagRule<CharacterEquip>> Tags();
    static std::span<const FieldSpec<CharacterEquip>> Fields();
};

// The record whose name contains "Categories" holds, in `categories`, the shop categories.
constexpr const char* kEquipmentCategoriesRecord = "Categories";

extern CharacterSkill CSkill;
extern CharacterTalent CTalent;
extern CharacterProf CProfs;
extern CharacterSpell CSpell;
extern CharacterEquip CEquip;
