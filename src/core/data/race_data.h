#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/data/tag_rules.h"
#include "core/model/linked_list.h"

// One race for one sex, as its data file describes it: ability limits and adjustments,
// Building Points, the background step's modifiers and dice, the classes open to it, base
// thief skills and the texts shown for it. A race is offered as "name, sex", so each race
// has one file per sex.
class CharacterRace : public LinkedRecord<CharacterRace> {
public:
    static constexpr const char* kDirectory = "Races";
    static constexpr const char* kFileSuffix = "_Race.qdf";
    static constexpr const char* kClosingTag = "</CHARACTER_RACE";
    static constexpr bool kEndsWithEmptyRecord = false;

    int32_t rsid = 0;
    std::string name;
    std::string sex;
    int32_t book = 0;
    int32_t size = 0;
    int32_t move = 0;
    int32_t fly = 0; // 0: cannot fly
    std::vector<std::string> languages;
    std::vector<std::string> rtext;
    std::vector<std::string> rtalents;
    std::vector<std::string> rdownside;
    int32_t languages_count = 0, rtext_count = 0, rtalents_count = 0, rdownside_count = 0;
    int32_t minstr = 0, maxstr = 0, mindex = 0, maxdex = 0, mincon = 0, maxcon = 0, minint = 0,
            maxint = 0, minwis = 0, maxwis = 0, mincha = 0, maxcha = 0, mincom = 0, maxcom = 0;
    int32_t stradj = 0, dexadj = 0, conadj = 0, intadj = 0, wisadj = 0, chaadj = 0, comadj = 0;
    int32_t bp = 0;
    int32_t illigitmod = 0;
    int32_t illigitbirthmod = 0;
    int32_t baseage = 0, agedie = 0, agedierolls = 0;
    int32_t baseheight = 0, heightdie = 0, heightdierolls = 0;
    int32_t baseweight = 0, weightdie = 0, weightdierolls = 0;
    std::vector<std::string> levellimit; // each entry contains the name of a class open to it
    std::vector<std::string> talent;
    int32_t levellimit_count = 0, talent_count = 0;
    int32_t basepickpockets = 0, baseopenlocks = 0, basefindtraps = 0, baseremovetraps = 0,
            basemovesilently = 0, basehideinshadows = 0, basedetectnoise = 0, baseclimbwalls = 0,
            basereadlanguages = 0;

    // Fills the race list from the "Races" directory.
    void LoadRace();
    // Reads one race file into `record`.
    void ParseRaceXML(const std::filesystem::path& file, CharacterRace* record);

    static std::span<const TagRule<CharacterRace>> Tags();
    static std::span<const FieldSpec<CharacterRace>> Fields();
};

extern CharacterRace CRace;
