#include "core/data/class_progress.h"

#include <algorithm>

#include "core/data/class_data.h"
#include "core/data/classes_available.h"
#include "core/data/data_numbers.h"
#include "core/data/race_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/text.h"

namespace {

// The limit a level limit entry gives the class at `position` among the classes it joins;
// none for "Unlimited" or anything else that is no level.
std::optional<int> LimitAt(const std::string& limit_text, std::size_t position) {
    const std::vector<std::string_view> limits = SplitAt(limit_text, '/');
    const std::string_view limit = limits[std::min(position, limits.size() - 1)];
    const int level = AtoiSaturating(limit);
    return level > 0 ? std::optional<int>(level) : std::nullopt;
}

// The level limit entry of the race that is about `wanted` (the character's class name): the
// one naming exactly it, else the first that holds it.
const std::string* LimitEntryFor(const CharacterRace& race, const std::string& wanted) {
    const std::string* holding = nullptr;
    for (const std::string& entry : race.levellimit) {
        if (ParseLevelLimit(entry).class_name == wanted) {
            return &entry;
        }
        if (!holding && entry.find(wanted) != std::string::npos) {
            holding = &entry;
        }
    }
    return holding;
}

// The experience level `level` of the class needs; none when the class table stops before it
// (a 0 or missing figure past level 1).
std::optional<int32_t> ExperienceForLevel(const CharacterClass& record, int level) {
    if (level < 1 || level >= kMaxLevels) {
        return std::nullopt;
    }
    const int32_t needed = record.xptable[static_cast<std::size_t>(level)];
    if (level > 1 && needed <= 0) {
        return std::nullopt;
    }
    return needed;
}

std::string WhyNot(const ClassProgress& progress, const std::optional<OwedThiefPoints>& owed) {
    if (!progress.record) {
        return progress.item->name + " is not in the game data";
    }
    const int next = progress.level + 1;
    if (!progress.next_level_experience) {
        return Printf("%s has no level %i", progress.item->name.c_str(), next);
    }
    if (const auto limit = RaceLevelLimit(progress.item->name); limit && next > *limit) {
        return Printf("the race allows %s level %i at most", progress.item->name.c_str(), *limit);
    }
    if (progress.experience < *progress.next_level_experience) {
        return Printf("%s needs %i XP for level %i", progress.item->name.c_str(),
                      *progress.next_level_experience, next);
    }
    if (owed && owed->item == progress.item) {
        return Printf("the thief points of level %i are still to be placed", owed->level);
    }
    return "";
}

} // namespace

std::optional<int> RaceLevelLimit(const std::string& class_name) {
    const Character_Class& c = current_character;
    if (!c.race_item) {
        return std::nullopt;
    }
    const std::string chosen = c.class_item ? c.class_item->name : class_name;
    const std::string* entry = LimitEntryFor(*c.race_item, chosen);
    if (!entry) {
        entry = LimitEntryFor(*c.race_item, class_name);
    }
    if (!entry) {
        return std::nullopt;
    }
    const LevelLimit parsed = ParseLevelLimit(*entry);
    const std::vector<std::string_view> joined = SplitAt(parsed.class_name, '/');
    std::size_t position = 0;
    for (std::size_t i = 0; i < joined.size(); ++i) {
        if (joined[i] == class_name) {
            position = i;
        }
    }
    return LimitAt(parsed.limit, position);
}

std::optional<OwedThiefPoints> ThiefPointsOwed() {
    for (ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        const CharacterClass* record = CharacterClass::Named(item->name);
        if (!record || !IsThiefType(*item) || item->level < 2 || item->level >= kMaxLevels ||
            record->thiefpoints[static_cast<std::size_t>(item->level)] <= 0) {
            continue;
        }
        int placed = 0;
        for (const ByLevel* history : item->ThiefSkillHistories()) {
            placed += (*history)[static_cast<std::size_t>(item->level)];
        }
        if (placed == 0) {
            return OwedThiefPoints{item, record, item->level};
        }
    }
    return std::nullopt;
}

std::vector<ClassProgress> ClassProgressOfCharacter() {
    std::vector<ClassProgress> rows;
    const std::optional<OwedThiefPoints> owed = ThiefPointsOwed();
    for (ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        ClassProgress progress;
        progress.item = item;
        progress.record = CharacterClass::Named(item->name);
        progress.level = item->level;
        progress.experience = item->experience;
        if (progress.record) {
            progress.next_level_experience = ExperienceForLevel(*progress.record, item->level + 1);
        }
        progress.why_not = WhyNot(progress, owed);
        rows.push_back(std::move(progress));
    }
    return rows;
}

std::string ProgressText(const ClassProgress& progress) {
    std::string text =
        ExperienceText(progress.experience) + " XP, level " + std::to_string(progress.level);
    const auto limit = RaceLevelLimit(progress.item->name);
    if (!progress.next_level_experience || (limit && progress.level >= *limit)) {
        return text + "; no further level";
    }
    return text +
           Printf("; level %i at %i XP", progress.level + 1, *progress.next_level_experience);
}
