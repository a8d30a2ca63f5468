#include "core/advance/experience_award.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/data/class_progress.h"
#include "core/data/data_numbers.h"
#include "core/dice/dice_log.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/text.h"
#include "core/model/user_port.h"
#include "core/tree/tree_senders.h"
#include "core/wizard/creation_flow.h"

namespace {

constexpr const char* kAwardCaption = "Award Experience";

} // namespace

long long LargestAward() {
    const int count = static_cast<int>(ClassDataItem::Count());
    if (count == 0) {
        return 0;
    }
    // Every class takes the share; the first also what does not divide.
    double room = kMostExperience;
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        room = std::min(room, kMostExperience - item->experience);
    }
    return room < 1 ? 0 : static_cast<long long>(std::floor(room)) * count;
}

Outcome AwardExperience(long long points) {
    const int count = static_cast<int>(ClassDataItem::Count());
    if (count == 0) {
        return Outcome::Refused("The character has no class to earn experience");
    }
    if (points < 1) {
        return Outcome::Refused("An award is a whole number of experience points from 1 up");
    }
    const long long share = points / count;
    const long long first_share = share + points % count;
    for (const ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        const long long gets = item == ClassDataItem::pHead.get() ? first_share : share;
        if (item->experience + static_cast<double>(gets) > kMostExperience) {
            return Outcome::Refused(Printf("%s would hold more than %.0f experience points",
                                           item->name.c_str(), kMostExperience));
        }
    }
    std::string line = Printf("Awarding %lld experience points:", points);
    for (ClassDataItem* item = ClassDataItem::pHead.get(); item; item = item->next.get()) {
        const long long gets = item == ClassDataItem::pHead.get() ? first_share : share;
        item->experience += static_cast<double>(gets);
        line += Printf(" %s +%lld = %s;", item->name.c_str(), gets,
                       ExperienceText(item->experience).c_str());
    }
    line.pop_back();
    LogCreationLine(line);
    messagetotreeStep8();
    return Outcome::Done();
}

std::vector<std::string> ClassesReadyToAdvance() {
    std::vector<std::string> ready;
    for (const ClassProgress& progress : ClassProgressOfCharacter()) {
        if (progress.MayAdvance()) {
            ready.push_back(Printf("%s may advance to level %i", progress.item->name.c_str(),
                                   progress.level + 1));
        }
    }
    return ready;
}

bool AskAndAwardExperience() {
    if (CreationInProgress()) {
        Port().ShowMessage("Finish the character's creation before it earns experience.",
                           kAwardCaption);
        return false;
    }
    const long long most = LargestAward();
    if (most < 1) {
        Port().ShowMessage(ClassDataItem::pHead
                               ? "The character holds the most experience points a class can."
                               : "The character in hand has no class yet: make or open one "
                                 "first.",
                           kAwardCaption);
        return false;
    }
    const std::string name = current_character.character_name.empty()
                                 ? std::string("the character")
                                 : current_character.character_name;
    const auto points = Port().AskInteger(
        "Experience points to award to " + name +
            (static_cast<int>(ClassDataItem::Count()) > 1 ? " (shared equally among its classes):"
                                                          : ":"),
        kAwardCaption, 0, 1, static_cast<long>(std::min<long long>(most, LONG_MAX)));
    if (!points) {
        return false;
    }
    const Outcome awarded = AwardExperience(*points);
    if (!awarded) {
        Port().ShowMessage(awarded.refusal(), kAwardCaption);
        return false;
    }
    std::string told = Printf("%ld experience points awarded.", *points);
    for (const std::string& line : ClassesReadyToAdvance()) {
        told += "\n" + line + ".";
    }
    Port().ShowMessage(told, kAwardCaption);
    return true;
}
