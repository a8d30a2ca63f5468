#pragma once

// The senders that rebuild the character tree's branches from the record after a change.
// Each builds its keys and values and hands them to the user port's tree update; the tree
// leaves out every pair whose value is empty.
//
// The tree finds a branch by its text anywhere in the tree (depth first), so a branch sent
// under the name of an existing key is rebuilt beneath that key: the ability branches land
// under "Ability Scores", "Movement" and "Classes Available" under "Racial Data", "Thief
// Skills" under "Class Data" and "Training Accidents" under "WG Background".

// The ability scores with their effects, the race with its movement, the classes open to the
// character and the race's level limits.
void messagetotree();

// The background of the priors and particulars: age, height, weight, family and siblings.
void messagePPtotree();

// Once a class is chosen: the classes open to the character, the class data with hit points
// and level, the thief skills of a thief-type class, the supplement backgrounds the
// character has, the training accidents and the spells known.
void messagetotreeStep8();

// One key per quirk or flaw, repeated as often as it is held.
void sendquirkflawtotree();

// The owned items: name and rating (skills, talents), "Basic" or "Specialized"
// (proficiencies), name and quantity (equipment).
void sendskillstotree();
void sendtalentstotree();
void sendprofstotree();
void sendequiptotree();

// Rebuilds the "Classes Available" branch: each open class with the Building Points it brings
// ("%+i BP").
void SendClassesAvailableToTree();

// Everything the record holds so far, for a tree window that has just opened: the abilities
// and race once scores are rolled, the background once it is rolled, then the quirks, the
// class data and the owned items that exist.
void SendCharacterToTree();
