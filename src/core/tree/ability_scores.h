#pragma once

#include <string>

// Looks up what an ability score is worth in play, as display text, and sends each ability's
// effects to the character tree.
//
// A lookup takes the name of one effect (compared whole and case-sensitively, e.g.
// "Open_Doors" or "Hon_Mod"), the score and its percentile, and returns the effect's text:
// "+3", "14(6)", "44 - 54", "+5%", "-30%". Any other name gives "error". Callers that need a
// number read the text with atoi, so "+5%" counts as 5 and "-10%" as -10.
//
// Scores above 25 count as 25. Strength, dexterity, intelligence and wisdom take the last row
// of the score whose starting percentile the percentile reaches (18/51 and up is the
// exceptional row of 18), and the first row of the table for a score below it. Constitution
// and charisma ignore the percentile; a score below 0 counts as 0.
//
// All members are static; an instance is only a handle for code that prefers one.
class AbilityScores {
public:
    static std::string GetStrength(const std::string& name, int score, int percentile);
    static std::string GetDexterity(const std::string& name, int score, int percentile);
    static std::string GetConstitution(const std::string& name, int score, int percentile);
    static std::string GetIntelligence(const std::string& name, int score, int percentile);
    static std::string GetWisdom(const std::string& name, int score, int percentile);
    static std::string GetCharisma(const std::string& name, int score, int percentile);

    // Each rebuilds the tree branch of one ability from the current character: "Score" as
    // "score/percentile", then the ability's effects.
    static void SendStrengthtoTree();
    static void SendDexteritytoTree();
    static void SendConstitutiontoTree();
    static void SendIntelligencetoTree();
    static void SendWisdomtoTree();
    static void SendCharismatoTree();

    // The "Ability Scores" branch with all seven scores, then the six branches above.
    static void SendAbilitiestoTree();
};
