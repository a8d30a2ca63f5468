#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/tree/tree_senders.h"

namespace {

bool AnyScoreRolled() {
    for (const int32_t* score : current_character.Scores()) {
        if (*score != 0) {
            return true;
        }
    }
    return current_character.race_item != nullptr;
}

bool BackgroundRolled() {
    const Character_Class& c = current_character;
    return c.age != 0 || !c.social_class.empty() || !c.handedness.empty();
}

} // namespace

void SendCharacterToTree() {
    if (AnyScoreRolled()) {
        messagetotree();
    }
    if (BackgroundRolled()) {
        messagePPtotree();
    }
    if (QuirkDataItem::pHead) {
        sendquirkflawtotree();
    }
    if (ClassDataItem::pHead) {
        messagetotreeStep8();
    }
    if (SkillDataItem::pHead) {
        sendskillstotree();
    }
    if (TalentDataItem::pHead) {
        sendtalentstotree();
    }
    if (ProfDataItem::pHead) {
        sendprofstotree();
    }
    if (EquipDataItem::pHead) {
        sendequiptotree();
    }
}
