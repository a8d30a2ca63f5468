#pragma once

#include <initializer_list>

// Dice rolled on the program's own generator.

int RollDie(int sides);           // 1 to sides
int RollRange(int low, int high); // low to high, inclusive

// `count` dice of `sides` sides plus `modifier`. With penetration, a die showing its highest
// face adds one more die; every die after the first counts one less, and the modifier is
// added to each die. Fewer than one die, or a die of fewer than one side, gives 0. The total
// is summed without overflow; beyond the range of an int it stops at the limit.
int DiceRollAll(int sides, int count, int modifier, int penetrate);
int DiceRoll(int sides, int count);
int DiceRollM(int sides, int count, int modifier);
int DiceRollPen(int sides, int count);
int DiceRollPenM(int sides, int count, int modifier);

// Tests steer the dice here: while faces are queued, each die that RollDie or RollRange
// throws shows the next queued face instead of a draw from the generator (a queued face is
// taken as it is, even outside the die). A normal run queues nothing and pays one check of an
// empty queue per die.
void QueueDieFaces(std::initializer_list<int> faces);
void ClearQueuedDieFaces();
int QueuedDieFacesLeft();
