#pragma once

#include <string>
#include <vector>

// The choice of the free melee weapon proficiency a fighter's basic training grants. It
// offers the melee weapons of the proficiency list whose book is enabled; taking one uses a
// free proficiency slot and costs no BP. From the limited list (training so poor that the
// weapon is used at -1 to hit) the proficiency is rated 1, from the full list -1.
class FreeProficiencyChoice {
public:
    // `kind` is kMeleeWeaponKind or kMeleeWeaponLimitedKind.
    explicit FreeProficiencyChoice(std::string kind);

    const std::string& Kind() const { return kind_; }
    const std::vector<std::string>& Entries() const { return entries_; }

    // Takes the named proficiency. Refused, with nothing changed, when it is not in the
    // proficiency list, the character holds it already or has no free slot left.
    bool Take(const std::string& name);

private:
    std::string kind_;
    std::vector<std::string> entries_;
};

// The proficiency type the data files give melee weapons.
constexpr int kMeleeProficiencyType = 1;
