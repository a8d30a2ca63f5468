#include "core/wizard/thief_skills_step.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/data/class_data.h"
#include "core/data/data_numbers.h"
#include "core/data/race_data.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/model/text.h"
#include "core/tree/ability_scores.h"
#include "core/tree/tree_senders.h"

namespace {

// The most points one skill may receive.
constexpr int kMostPointsOnOneSkill = 30;

// The Dexterity table column of the first six skills; the others have none.
const char* const kDexterityColumns[6] = {"Pick_Pockets", "Open_Locks",    "Find_Traps",
                                          "Remove_Traps", "Move_Silently", "Hide_in_Shadows"};

void StartSkills(ClassDataItem& item) {
    const Character_Class& c = current_character;
    auto skills = item.ThiefSkillHistories();
    for (int i = 0; i < 6; ++i) {
        (*skills[i])[0] += std::atoi(
            AbilityScores::GetDexterity(kDexterityColumns[i], c.dexterity_base, c.dexterity_perc)
                .c_str());
    }
    if (const CharacterRace* race = c.race_item) {
        const int bases[kThiefSkillCount] = {
            race->basepickpockets, race->baseopenlocks,    race->basefindtraps,
            race->baseremovetraps, race->basemovesilently, race->basehideinshadows,
            race->basedetectnoise, race->baseclimbwalls,   race->basereadlanguages};
        for (int i = 0; i < kThiefSkillCount; ++i) {
            (*skills[i])[0] += bases[i];
        }
    }
    auto add = [&](const std::array<int, kThiefSkillCount>& bonus) {
        for (int i = 0; i < kThiefSkillCount; ++i) {
            (*skills[i])[0] += bonus[i];
        }
    };
    auto clear = [&](std::initializer_list<int> which) {
        for (int i : which) {
            (*skills[i])[0] = 0;
        }
    };
    if (Contains(item.name, "Thief") || Contains(item.name, "Assassin")) {
        add({15, 10, 5, 5, 10, 5, 15, 60, 0});
    }
    if (Contains(item.name, "Bard")) {
        add({10, 0, 0, 0, 0, 0, 20, 50, 5});
        clear({1, 2, 3, 4, 5});
    }
    if (Contains(item.name, "Bounty Hunter")) {
        add({0, 0, 5, 5, 10, 5, 0, 0, 0});
        clear({0, 1, 6, 7, 8});
    }
}

} // namespace

void SetThiefStart() {
    for (ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        if (IsThiefType(*item)) {
            StartSkills(*item);
        }
    }
}

ThiefSkillsStep::ThiefSkillsStep()
    : ThiefSkillsStep(ThiefSkillItem(), current_character.class_item, 1) {}

ThiefSkillsStep::ThiefSkillsStep(ClassDataItem* item, const CharacterClass* record, int level)
    : item_(item), level_(std::clamp(level, 1, kMaxLevels - 1)) {
    if (record) {
        points_ = record->thiefpoints[static_cast<std::size_t>(level_)];
        for (int i = 0; i < kThiefSkillCount; ++i) {
            if (Contains(record->thiefskills, kThiefSkillNames[i])) {
                usable_.push_back(i);
            }
        }
    }
    if (item_) {
        for (int i = 0; i < kThiefSkillCount; ++i) {
            bases_[i] = item_->ThiefSkillThrough(i, level_ - 1);
        }
    }
    for (int i = 0; i < kThiefSkillCount; ++i) {
        base_texts_[i] = std::to_string(bases_[i]);
    }
}

std::string ThiefSkillsStep::PointsText() const {
    return std::to_string(points_) + " Points";
}

ThiefSkillsStep::Reading
ThiefSkillsStep::Read(const std::array<std::string, kThiefSkillCount>& entries) const {
    Reading reading;
    for (int i : usable_) {
        reading.entries[i] =
            std::clamp(AtoiSaturating(entries[i]), -kMostPointsOnOneEntry, kMostPointsOnOneEntry);
    }
    for (int i = 0; i < kThiefSkillCount; ++i) {
        reading.totals[i] = bases_[i] + reading.entries[i];
        reading.sum += reading.entries[i];
        if (reading.entries[i] > kMostPointsOnOneSkill) {
            reading.refusal =
                Printf("At most %i points on one skill: %s has %i", kMostPointsOnOneSkill,
                       kThiefSkillNames[i], reading.entries[i]);
            return reading;
        }
    }
    return reading;
}

std::string ThiefSkillsStep::PlacedText(int sum) const {
    return Printf("%i of %i points", sum, points_);
}

void ThiefSkillsStep::ShowTotals(const Reading& reading) {
    for (int i : usable_) {
        base_texts_[i] = std::to_string(reading.totals[i]);
    }
}

Outcome ThiefSkillsStep::Check(const Reading& reading) const {
    if (!reading.refusal.empty()) {
        return Outcome::Refused(reading.refusal);
    }
    if (reading.sum > points_) {
        return Outcome::Refused("Too many points placed: " + PlacedText(reading.sum));
    }
    return Outcome::Done();
}

Outcome ThiefSkillsStep::Apply(const std::array<std::string, kThiefSkillCount>& entries) {
    const Reading reading = Read(entries);
    Outcome shown = Check(reading);
    if (shown) {
        ShowTotals(reading);
    }
    return shown;
}

Outcome ThiefSkillsStep::Continue(const std::array<std::string, kThiefSkillCount>& entries) {
    const Reading reading = Read(entries);
    if (Outcome checked = Check(reading); !checked) {
        return checked;
    }
    if (reading.sum < points_) {
        return Outcome::Refused("Every point must be placed: " + PlacedText(reading.sum));
    }
    if (!item_) {
        return Outcome::Refused("The character has no thief class to place the points in");
    }
    ShowTotals(reading);
    for (int i = 0; i < kThiefSkillCount; ++i) {
        char line[128];
        std::snprintf(line, sizeof line, "%s %i %+i = %i", kThiefSkillNames[i], bases_[i],
                      reading.entries[i], reading.totals[i]);
        LogCreationLine(line);
    }
    auto skills = item_->ThiefSkillHistories();
    for (int i = 0; i < kThiefSkillCount; ++i) {
        (*skills[i])[static_cast<std::size_t>(level_)] = reading.entries[i];
    }
    continued = true;
    messagetotreeStep8();
    return Outcome::Done();
}
