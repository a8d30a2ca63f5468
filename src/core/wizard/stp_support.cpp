#include "core/wizard/stp_support.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "core/data/item_data.h"
#include "core/dice/dice_log.h"
#include "core/model/options.h"
#include "core/model/program_state.h"
#include "core/model/user_port.h"
#include "core/wizard/skill_purchase_step.h"

namespace {

constexpr const char* kIdentifierSeparator = ": ";

template <typename Record> const Record* RecordFor(const std::string& held) {
    const Record* best = nullptr;
    for (const Record* r = Record::pHead.get(); r; r = r->next.get()) {
        if (r->name.empty()) {
            continue;
        }
        if (r->name == held) {
            return r;
        }
        if (IsFormOf(held, r->name) && (!best || r->name.size() > best->name.size())) {
            best = r;
        }
    }
    return best;
}

} // namespace

bool IsFormOf(const std::string& held, const std::string& record_name) {
    if (held == record_name) {
        return true;
    }
    const std::string prefix = record_name + kIdentifierSeparator;
    return !record_name.empty() && held.size() > prefix.size() &&
           held.compare(0, prefix.size(), prefix) == 0;
}

const CharacterSkill* SkillRecordFor(const std::string& held) {
    return RecordFor<CharacterSkill>(held);
}

const CharacterTalent* TalentRecordFor(const std::string& held) {
    return RecordFor<CharacterTalent>(held);
}

const CharacterProf* ProfRecordFor(const std::string& held) {
    return RecordFor<CharacterProf>(held);
}

bool Offered(int book, const std::string& name) {
    return !name.empty() && (book == kPlayersHandbook || BookEnabled(book));
}

bool Affordable(float cost) {
    return program_data.creation_stage <= 0 || cost <= program_data.building_points;
}

std::optional<std::string> AskExtendedName(const std::string& record_name,
                                           const std::string& message,
                                           const std::vector<std::string>& held_names) {
    std::optional<std::string> text;
    while (!text) {
        text = Port().AskText(message, kSkillStepTitle, "");
    }
    const std::string name = record_name + kIdentifierSeparator + *text;
    if (text->empty() ||
        std::find(held_names.begin(), held_names.end(), name) != held_names.end()) {
        return std::nullopt;
    }
    return name;
}

int ChooseAmong(const std::string& message, const std::vector<std::string>& names) {
    for (;;) {
        const auto chosen = Port().AskChoice(message, kSkillStepTitle, names);
        if (chosen && *chosen >= 0 && *chosen < static_cast<int>(names.size())) {
            return *chosen;
        }
    }
}
