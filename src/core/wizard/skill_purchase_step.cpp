#include "core/wizard/skill_purchase_step.h"

#include <cstdint>

#include "core/data/item_data.h"
#include "core/model/character.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/alignment_step.h"
#include "core/wizard/stp_support.h"

const char* const kStpFilterNames[kStpFilterCount] = {"All Skills",
                                                      "Skills: Arcane",
                                                      "Skills: Academia",
                                                      "Skills: Languages/Communication",
                                                      "Skills: Musical Instrument",
                                                      "Tasks: Mundane",
                                                      "Tasks: Combat Procedures",
                                                      "Tasks: Artisan and Performing Arts",
                                                      "Tasks: Sophisticated",
                                                      "Skills: Social Interaction",
                                                      "Skills: Tools",
                                                      "Skills: Suites",
                                                      "Unique Barbarian",
                                                      "Talents",
                                                      "Proficiencies"};

namespace {

// One BP left over at the end of the step is worth this much gold.
constexpr int kGoldPerBp = 25;
// A character of this Wisdom or less has no say in the alignment: "Neutral".
constexpr int kLowestChoosingWisdom = 5;

bool IsSkillFilter(int filter) {
    return filter >= kAllSkillsFilter && filter < kTalentFilter;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

template <typename Record> const Record* OfferedNamed(const std::string& name) {
    return Record::First(
        [&](const Record& r) { return r.name == name && Offered(r.book, r.name); });
}

std::string ProficiencyRating(int rating) {
    if (rating == 1) {
        return "Basic";
    }
    if (rating == 2) {
        return "Specialized";
    }
    return Printf("%i", rating);
}

void SendOwnedToTree() {
    sendskillstotree();
    sendprofstotree();
    sendtalentstotree();
}

// The taken list's rows in order, each pointing at its item.
struct TakenItem {
    SkillDataItem* skill = nullptr;
    TalentDataItem* talent = nullptr;
    ProfDataItem* prof = nullptr;
};

std::vector<TakenItem> TakenItems() {
    std::vector<TakenItem> items;
    for (SkillDataItem* s = SkillDataItem::pHead.get(); s; s = s->next.get()) {
        items.push_back({s, nullptr, nullptr});
    }
    for (TalentDataItem* t = TalentDataItem::pHead.get(); t; t = t->next.get()) {
        items.push_back({nullptr, t, nullptr});
    }
    for (ProfDataItem* p = ProfDataItem::pHead.get(); p; p = p->next.get()) {
        items.push_back({nullptr, nullptr, p});
    }
    return items;
}

// Calls `visit` with each record the shop offers under `filter`, in the shop's order.
template <typename Visit> void VisitOffered(int filter, Visit&& visit) {
    if (filter == kTalentFilter) {
        for (const CharacterTalent* t = CharacterTalent::pHead.get(); t; t = t->next.get()) {
            if (Offered(t->book, t->name)) {
                visit(*t);
            }
        }
    } else if (filter == kProficiencyFilter) {
        for (const CharacterProf* p = CharacterProf::pHead.get(); p; p = p->next.get()) {
            if (Offered(p->book, p->name)) {
                visit(*p);
            }
        }
    } else if (IsSkillFilter(filter)) {
        for (const CharacterSkill* s = CharacterSkill::pHead.get(); s; s = s->next.get()) {
            if (Offered(s->book, s->name) &&
                (filter == kAllSkillsFilter || s->category == filter)) {
                visit(*s);
            }
        }
    }
}

std::vector<std::string> ShopRow(const CharacterTalent& t) {
    return {t.name, Printf("%i BP", t.bp), t.page};
}

std::vector<std::string> ShopRow(const CharacterProf& p) {
    return {p.name, Printf("%i", p.type), Printf("%i", p.spcost)};
}

std::vector<std::string> ShopRow(const CharacterSkill& s) {
    return {s.name,
            Printf("%-6.1f BP", static_cast<double>(AdjustCost(s))),
            Printf("%i", MasteryBase(s.mastery_abilities)),
            s.page,
            Printf("%id%i", s.num_of_course_die, s.course_die),
            Joined(s.course_prereqs)};
}

} // namespace

SkillPurchaseStep::SkillPurchaseStep() : editing_(program_data.creation_stage <= 0) {}

std::vector<std::string> SkillPurchaseStep::Columns(int filter) {
    if (filter == kTalentFilter) {
        return {"Talent", "Cost", "Page"};
    }
    if (filter == kProficiencyFilter) {
        return {"Weapon Proficiency", "Type", "Cost"};
    }
    return {"Skill", "Cost", "Base", "Page", "Course Die", "Prereqs"};
}

std::vector<std::vector<std::string>> SkillPurchaseStep::ShopRows(int filter) const {
    std::vector<std::vector<std::string>> rows;
    VisitOffered(filter, [&rows](const auto& record) { rows.push_back(ShopRow(record)); });
    return rows;
}

std::vector<std::string> SkillPurchaseStep::ShopNames(int filter) const {
    std::vector<std::string> names;
    VisitOffered(filter, [&names](const auto& record) { names.push_back(record.name); });
    return names;
}

Outcome SkillPurchaseStep::Add(int filter, const std::string& name) {
    Outcome bought = Outcome::Refused(name + " is not offered here");
    if (filter == kTalentFilter) {
        if (const CharacterTalent* talent = OfferedNamed<CharacterTalent>(name)) {
            bought = BuyTalent(*talent);
        }
    } else if (filter == kProficiencyFilter) {
        if (const CharacterProf* prof = OfferedNamed<CharacterProf>(name)) {
            bought = BuyProficiency(*prof);
        }
    } else if (IsSkillFilter(filter)) {
        const CharacterSkill* skill = OfferedNamed<CharacterSkill>(name);
        if (skill && (filter == kAllSkillsFilter || skill->category == filter)) {
            bought = BuySkill(*skill);
        }
    }
    if (bought) {
        SendOwnedToTree();
    }
    return bought;
}

std::vector<std::vector<std::string>> SkillPurchaseStep::TakenRows() const {
    std::vector<std::vector<std::string>> rows;
    for (const TakenItem& item : TakenItems()) {
        if (item.skill) {
            rows.push_back({item.skill->name, Printf("%i%%", item.skill->value), "Skill"});
        } else if (item.talent) {
            rows.push_back({item.talent->name, Printf("x %i", item.talent->value), "Talent"});
        } else {
            rows.push_back({item.prof->name, ProficiencyRating(item.prof->value), "Proficiency"});
        }
    }
    return rows;
}

bool SkillPurchaseStep::Remove(int row) {
    const std::vector<TakenItem> items = TakenItems();
    if (row < 0 || row >= static_cast<int>(items.size())) {
        return false;
    }
    const TakenItem& item = items[static_cast<std::size_t>(row)];
    Character_Class& c = current_character;
    if (item.skill) {
        // What was paid for it here; a skill held from before (a race language, an earlier
        // opening) gives one course at this character's price.
        float refund = 0;
        if (const auto paid = paid_.find(item.skill->name); paid != paid_.end()) {
            refund = paid->second;
            paid_.erase(paid);
        } else if (const CharacterSkill* skill = SkillRecordFor(item.skill->name)) {
            refund = AdjustCost(*skill);
        }
        const std::string name = item.skill->name;
        c.skills.Remove(item.skill);
        program_data.building_points += refund;
        LogCreationLine(
            Printf("Removing Skill %s for %-6.1f BP", name.c_str(), static_cast<double>(refund)));
    } else if (item.talent) {
        const CharacterTalent* talent = TalentRecordFor(item.talent->name);
        const int bp = talent ? talent->bp : 0;
        const std::string name = item.talent->name;
        program_data.building_points += static_cast<float>(bp);
        if (item.talent->value > 1) {
            item.talent->value -= 1;
            LogCreationLine(Printf("Decrementing Talent %s for %i BP", name.c_str(), bp));
        } else {
            c.talents.Remove(item.talent);
            LogCreationLine(Printf("Removing Talent %s for %i BP", name.c_str(), bp));
        }
    } else {
        // After creation a proficiency was bought with slots alone: removing it frees them.
        const std::string name = item.prof->name;
        const int bp = editing_ ? 0 : 1;
        program_data.building_points += static_cast<float>(bp);
        if (item.prof->value == 2) {
            const CharacterProf* prof = ProfRecordFor(name);
            item.prof->value = 1;
            c.free_proficiencies += prof ? prof->spcost : 0;
            c.specialization_work = 0;
            LogCreationLine(Printf("Removing Specialization from %s for %i BP", name.c_str(), bp));
        } else {
            c.proficiencies.Remove(item.prof);
            c.free_proficiencies += 1;
            LogCreationLine(Printf("Removing %s for %i BP", name.c_str(), bp));
        }
    }
    SendOwnedToTree();
    return true;
}

std::string SkillPurchaseStep::BuildingPointsText() const {
    return Printf("%-6.1f", static_cast<double>(program_data.building_points));
}

std::string SkillPurchaseStep::ProficiencySlotsText() const {
    return Printf("%i", current_character.free_proficiencies);
}

void SkillPurchaseStep::CashIn() {
    Character_Class& c = current_character;
    const float bp = program_data.building_points;
    if (bp <= 0) {
        return;
    }
    const int32_t started = c.gold;
    c.gold = started + static_cast<int32_t>(bp * static_cast<float>(kGoldPerBp));
    Port().ShowMessage(Printf("You started with %i GP. Your %g BPs have been cashed in. You now "
                              "have %i gold.",
                              started, static_cast<double>(bp), c.gold),
                       "Character Creation: Step 13");
    program_data.building_points = 0;
}

StepExit SkillPurchaseStep::Continue() {
    SendOwnedToTree();
    if (editing_) {
        return StepExit::kEdited;
    }
    CashIn();
    if (current_character.wisdom_base <= kLowestChoosingWisdom) {
        FinishCreation("Neutral");
        return StepExit::kLowWisdom;
    }
    return StepExit::kContinue;
}
