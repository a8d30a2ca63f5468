#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/data/tag_rules.h"
#include "core/model/data_items.h"
#include "core/model/linked_list.h"

// One character class as its data file describes it: requirements, Building Points,
// progression by level (index = level, 0 to 99), saving-throw and combat tables, starting
// age and money, and its class groups.
class CharacterClass : public LinkedRecord<CharacterClass> {
public:
    static constexpr const char* kDirectory = "Classes";
    static constexpr const char* kFileSuffix = "Class.qdf";
    static constexpr const char* kClosingTag = "</CHARACTER_CLASS";
    static constexpr bool kEndsWithEmptyRecord = false;

    std::string name;
    int32_t book = 0;
    ByLevel xptable{};
    ByLevel conmultiplier{};
    ByLevel hitdie{};
    ByLevel hitdieroll{};
    int32_t kicker = 0;
    ByLevel hitpointbonus{};
    ByLevel thiefpoints{};
    ByLevel profslots{};
    // The highest spell level the class casts at each level; all 0: the class casts none.
    ByLevel spelllevel{};
    int32_t bp = 0;
    int32_t socialreq = 0;
    std::vector<std::string> alignment;
    std::string thiefskills;
    int32_t moneyroll = 0;
    int32_t cleric = 0, fighter = 0, mage = 0, thief = 0;
    int32_t strrolls = 0, dexrolls = 0, conrolls = 0, introlls = 0, wisrolls = 0, chrrolls = 0,
            comrolls = 0;
    int32_t strdie = 0, dexdie = 0, condie = 0, intdie = 0, wisdie = 0, chrdie = 0, comdie = 0;
    float minstr = 0, maxstr = 0, mindex = 0, maxdex = 0, mincon = 0, maxcon = 0, minint = 0,
          maxint = 0, minwis = 0, maxwis = 0, mincha = 0, maxcha = 0, mincom = 0, maxcom = 0;
    std::vector<std::string> weapon;
    int32_t weapon_count = 0;
    int32_t tohitas = 0;
    int32_t saveas = 0;
    int32_t savevariance = 0;
    int32_t spelljack = 0;
    int32_t turnundead = 0;
    int32_t agedie = 8; // one die of 8 sides when the file gives none
    int32_t agedierolls = 1;
    int32_t specialize = 999; // the level from which weapon specialization is open; 999: never

    // Fills the class list from the "Classes" directory.
    void LoadClass();
    // Reads one class file into `record`.
    void ParseCXML(const std::filesystem::path& file, CharacterClass* record);

    static std::span<const TagRule<CharacterClass>> Tags();
    static std::span<const FieldSpec<CharacterClass>> Fields();
};

extern CharacterClass CClass;

// Whether the class entry's class is thief-type.
bool IsThiefType(const ClassDataItem& item);

// The character's class entry that keeps the thief skills: the first whose class is
// thief-type; null when there is none.
ClassDataItem* ThiefSkillItem();
