#include "core/wizard/raise_class_step.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/data/class_data.h"
#include "core/data/classes_available.h"
#include "core/data/data_numbers.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/program_state.h"
#include "core/model/text.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/thief_skills_step.h"

namespace {

// One Building Point buys this many percentile points.
constexpr int kPercentilePerBp = 25;

} // namespace

void EqualizeAbilityScore(int& score, int& percentile) {
    while (percentile > 100) {
        percentile -= 100;
        score += 1;
    }
    while (percentile < 0) {
        percentile += 100;
        score -= 1;
    }
}

RaiseClassStep::RaiseClassStep() {
    sendquirkflawtotree();
    ResetToRecord();
    Show_Abilities();
}

void RaiseClassStep::ResetToRecord() {
    const auto scores = current_character.Scores();
    const auto percentiles = current_character.Percentiles();
    for (int i = 0; i < kAbilities; ++i) {
        new_score_[i] = *scores[i];
        new_perc_[i] = *percentiles[i];
    }
    bp_spent_.fill(0);
    bp_spent_total_ = 0;
}

void RaiseClassStep::ShowBalance(int spent) {
    char text[64];
    std::snprintf(text, sizeof text, "%-3.0f",
                  static_cast<double>(program_data.building_points - static_cast<float>(spent)));
    balance_text_ = text;
}

void RaiseClassStep::Show_Abilities() {
    bp_entries_.fill("");
    class_bp_bonus_ = 0;
    ShowBalance(bp_spent_total_);
    current_character.class_item = nullptr;
    Fill_Class_Box();
}

void RaiseClassStep::Fill_Class_Box() {
    class_entries_.clear();
    for (const CharacterClass* record : ClassesOpenWithScores(new_score_, new_perc_)) {
        class_entries_.push_back(record->name);
    }
}

void RaiseClassStep::LogAdjustment(const std::array<int, kAbilities>& s,
                                   const std::array<int, kAbilities>& p) {
    const auto& b = bp_spent_;
    char line[512];
    std::snprintf(line, sizeof line,
                  "Adjusting Ability Scores with BP's STR=%i/%i (%i BP) DEX=%i/%i (%i BP) "
                  "CON=%i/%i (%i BP) INT=%i/%i (%i BP) WIS=%i/%i (%i BP) CHR=%i/%i (%i BP) "
                  "COM=%i/%i (%i BP)",
                  s[0], p[0], b[0], s[1], p[1], b[1], s[2], p[2], b[2], s[3], p[3], b[3], s[4],
                  p[4], b[4], s[5], p[5], b[5], s[6], p[6], b[6]);
    LogCreationLine(line);
}

bool RaiseClassStep::ApplyAbilities(const std::array<std::string, kAbilities>& bp_entries) {
    ResetToRecord();
    std::array<int, kAbilities> requested{};
    int total = 0;
    for (int i = 0; i < kAbilities; ++i) {
        requested[i] =
            std::clamp(AtoiSaturating(bp_entries[i]), -kMostBpOnOneEntry, kMostBpOnOneEntry);
        new_perc_[i] += kPercentilePerBp * requested[i];
        EqualizeAbilityScore(new_score_[i], new_perc_[i]);
        total += requested[i];
    }
    if (static_cast<float>(total) <= program_data.building_points) {
        bp_spent_ = requested;
        bp_spent_total_ = total;
        bp_entries_ = bp_entries;
        ShowBalance(bp_spent_total_);
        current_character.class_item = nullptr;
        class_bp_bonus_ = 0;
        Fill_Class_Box();
        LogAdjustment(new_score_, new_perc_);
        return true;
    }
    // Refused: the balance tells how far over the request went; nothing stays raised and
    // nothing will be charged.
    ResetToRecord();
    ShowBalance(total);
    bp_entries_.fill("");
    current_character.class_item = nullptr;
    class_bp_bonus_ = 0;
    Fill_Class_Box();
    return false;
}

std::array<std::string, RaiseClassStep::kAbilities> RaiseClassStep::ScoreTexts() const {
    std::array<std::string, kAbilities> texts;
    for (int i = 0; i < kAbilities; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%i/%i", new_score_[i], new_perc_[i]);
        texts[i] = text;
    }
    return texts;
}

void RaiseClassStep::SelectListBox(const std::string& name) {
    CharacterClass* record = CharacterClass::Named(name);
    if (!record) {
        return;
    }
    Character_Class& c = current_character;
    c.class_item = record;
    c.class_long_name = record->name;
    class_bp_bonus_ = record->bp;
    LogCreationLine(
        Printf("Selecting a Class: Class=%s, BP Bonus=%i", record->name.c_str(), record->bp));
}

StepExit RaiseClassStep::Continue() {
    Character_Class& c = current_character;
    bool thief_skills = false;
    if (!c.class_item) {
        return StepExit::kStay;
    }
    const CharacterClass& chosen = *c.class_item;

    const auto scores = c.Scores();
    const auto percentiles = c.Percentiles();
    std::array<int, kAbilities> recorded_scores{};
    std::array<int, kAbilities> recorded_percentiles{};
    for (int i = 0; i < kAbilities; ++i) {
        *scores[i] = new_score_[i];
        *percentiles[i] = new_perc_[i];
        recorded_scores[i] = *scores[i];
        recorded_percentiles[i] = *percentiles[i];
    }
    program_data.building_points = program_data.building_points -
                                   static_cast<float>(bp_spent_total_) +
                                   static_cast<float>(class_bp_bonus_);
    LogAdjustment(recorded_scores, recorded_percentiles);

    c.free_proficiencies = chosen.profslots[1];
    c.level = 1;

    // One class entry per single class whose name occurs in the chosen name: the class
    // itself, or each class a multi-class joins.
    for (const CharacterClass* record = CharacterClass::pHead.get(); record;
         record = record->next.get()) {
        if (record->name.empty() || chosen.name.find(record->name) == std::string::npos ||
            record->name.find('/') != std::string::npos) {
            continue;
        }
        auto item = std::make_unique<ClassDataItem>();
        item->name = record->name;
        item->level = 1;
        ClassDataItem::AddTail(std::move(item));
        if (record->thief == 1) {
            thief_skills = true;
        }
    }
    if (thief_skills) {
        SetThiefStart();
    }
    messagetotree();
    messagetotreeStep8();
    return thief_skills ? StepExit::kThiefClass : StepExit::kContinue;
}
