#include "core/data/movement.h"

#include <string>

#include "core/data/class_data.h"
#include "core/model/character.h"
#include "core/model/data_items.h"
#include "core/model/text.h"

int32_t GetMovement(int32_t base) {
    int32_t rate = base;
    const CharacterClass* class_record = current_character.class_item;
    if (class_record && Contains(class_record->name, "Barbarian")) {
        rate += 3;
    }

    int peg_legs = 0;
    for (const SkillDataItem* skill = SkillDataItem::pHead.get(); skill;
         skill = skill->next.get()) {
        if (Contains(skill->name, "Peg Leg")) {
            ++peg_legs;
        }
    }

    for (const QuirkDataItem* quirk = QuirkDataItem::pHead.get(); quirk;
         quirk = quirk->next.get()) {
        if (Contains(quirk->name, "Amputee, Double, Leg")) {
            if (peg_legs == 1) {
                return rate - 1;
            }
            if (peg_legs == 0) {
                return rate - 4;
            }
        } else if (Contains(quirk->name, "Amputee, Leg")) {
            if (peg_legs == 1) {
                return rate;
            }
            if (peg_legs == 0) {
                return rate - 3;
            }
        }
    }
    return rate;
}
