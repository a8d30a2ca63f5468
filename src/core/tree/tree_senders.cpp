#include "core/tree/tree_senders.h"

#include "core/data/ability_scores.h"

void messagetotree() {
    // The ability score branches; the racial and class branches join them with the tree window.
    AbilityScores::SendAbilitiestoTree();
}
