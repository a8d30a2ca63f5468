#include "core/model/character.h"
#include "core/tree/tree_branch.h"
#include "core/tree/tree_senders.h"

void messagePPtotree() {
    if (!TreeShown()) {
        return;
    }
    const Character_Class& c = current_character;
    TreeBranch branch;
    branch.Add("Age", Printf("%i years", c.age));
    branch.Add("Height", Printf("%i inches", c.character_height));
    branch.Add("Weight", Printf("%i lbs", c.character_weight));
    branch.Add("Siblings", Printf("%i", c.siblings));
    branch.Add("Social_Class", c.social_class);
    branch.Add("Legitamacy_of_Birth", c.legitimacy_of_birth);
    branch.Add("Handeness", c.handedness);
    branch.Add("Birth_Circumstance", c.circumstance_of_birth);
    branch.Add("Mother", c.mother_status);
    branch.Add("Father", c.father_status);
    branch.Add("Mother Quality", c.mother_quality);
    branch.Add("Father Quality", c.father_quality);
    branch.Add("Step_Parent", c.stepparent);
    branch.Add("Heritage", c.family_heritage);
    branch.Add("Birth_Order", c.birth_order);
    for (int i = 0; i < kSiblingLines; ++i) {
        branch.Add("Sibling " + std::to_string(i + 1), c.sibling[i]);
    }
    branch.Send("Prior and Particulars");
}
