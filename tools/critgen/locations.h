#pragma once

// The 50 hit locations of the critical-hit table, in table order, with what the wound rules
// need to know about the body there.

// Body regions; the wound rules decide by region which effects a wound can have.
enum class Region {
    kFoot,
    kAnkle,
    kLowerLeg,
    kKnee,
    kUpperLeg,
    kHip,
    kGroin,
    kAbdomen,
    kLowerBack,
    kChest,
    kUpperBack,
    kArmpit,
    kUpperArm,
    kElbow,
    kForearm,
    kWrist,
    kHand,
    kShoulder,
    kNeck,
    kSkull,
    kFace,
};

// What lies under the skin: muscle tears (mt), joints lose tendons (t), organs bleed inside.
enum class Tissue { kMuscle, kJoint, kBone, kOrgan, kDigit, kHead };

// How much of a limb a wound here can take off, from a toe or finger to a whole arm or leg.
enum class Sever { kNone, kDigit, kExtremity, kMidLimb, kLimb };

struct Location {
    const char* name; // letter for letter as the table prints it
    int low;
    int high;
    Region region;
    Tissue tissue;
    Sever sever;
    bool artery; // a great vessel runs here: a deep wound can bleed out early
    bool spine;  // the spine or brain stem lies under it: paralysis
};

inline constexpr int kLocationCount = 50;

// clang-format off
inline constexpr Location kLocations[kLocationCount] = {
    {"Foot, top",               0,   100, Region::kFoot,      Tissue::kBone,   Sever::kExtremity, false, false},
    {"Heel",                  101,   104, Region::kFoot,      Tissue::kJoint,  Sever::kNone,      false, false},
    {"Toe(s)",                105,   136, Region::kFoot,      Tissue::kDigit,  Sever::kDigit,     false, false},
    {"Foot, arch",            137,   140, Region::kFoot,      Tissue::kJoint,  Sever::kNone,      false, false},
    {"Ankle, inner",          141,   170, Region::kAnkle,     Tissue::kJoint,  Sever::kExtremity, false, false},
    {"Ankle, outer",          171,   200, Region::kAnkle,     Tissue::kJoint,  Sever::kExtremity, false, false},
    {"Ankle, upper/Achilles", 201,   220, Region::kAnkle,     Tissue::kJoint,  Sever::kExtremity, false, false},
    {"Shin",                  221,   964, Region::kLowerLeg,  Tissue::kBone,   Sever::kMidLimb,   false, false},
    {"Calf",                  965,  1006, Region::kLowerLeg,  Tissue::kMuscle, Sever::kMidLimb,   false, false},
    {"Knee",                 1007,  1118, Region::kKnee,      Tissue::kJoint,  Sever::kMidLimb,   false, false},
    {"Knee, back",           1119,  1132, Region::kKnee,      Tissue::kJoint,  Sever::kMidLimb,   true,  false},
    {"Hamstring",            1133,  1216, Region::kUpperLeg,  Tissue::kMuscle, Sever::kLimb,      false, false},
    {"Thigh",                1217,  2000, Region::kUpperLeg,  Tissue::kMuscle, Sever::kLimb,      false, false},
    {"Hip",                  2001,  2330, Region::kHip,       Tissue::kBone,   Sever::kNone,      false, false},
    {"Groin (Male only)",    2331,  2405, Region::kGroin,     Tissue::kOrgan,  Sever::kNone,      true,  false},
    {"Buttock",              2406,  2435, Region::kHip,       Tissue::kMuscle, Sever::kNone,      false, false},
    {"Abdomen, lower",       2436,  2570, Region::kAbdomen,   Tissue::kOrgan,  Sever::kNone,      false, false},
    {"Side, lower",          2571,  3020, Region::kAbdomen,   Tissue::kOrgan,  Sever::kNone,      false, false},
    {"Abdomen, upper",       3021,  3110, Region::kAbdomen,   Tissue::kOrgan,  Sever::kNone,      false, false},
    {"Back, small of",       3111,  3125, Region::kLowerBack, Tissue::kBone,   Sever::kNone,      false, true},
    {"Back, lower",          3126,  3155, Region::kLowerBack, Tissue::kOrgan,  Sever::kNone,      false, true},
    {"Chest",                3156,  3425, Region::kChest,     Tissue::kOrgan,  Sever::kNone,      false, false},
    {"Side, upper",          3426,  3455, Region::kChest,     Tissue::kOrgan,  Sever::kNone,      false, false},
    {"Back, upper",          3456,  3485, Region::kUpperBack, Tissue::kMuscle, Sever::kNone,      false, true},
    {"Back, upper middle",   3486,  3500, Region::kUpperBack, Tissue::kBone,   Sever::kNone,      false, true},
    {"Armpit",               3501,  3820, Region::kArmpit,    Tissue::kOrgan,  Sever::kNone,      true,  false},
    {"Arm, upper outer",     3821,  4300, Region::kUpperArm,  Tissue::kMuscle, Sever::kLimb,      false, false},
    {"Arm, upper inner",     4301,  4492, Region::kUpperArm,  Tissue::kMuscle, Sever::kLimb,      true,  false},
    {"Elbow",                4493,  4588, Region::kElbow,     Tissue::kJoint,  Sever::kMidLimb,   false, false},
    {"Inner joint",          4589,  4684, Region::kElbow,     Tissue::kJoint,  Sever::kMidLimb,   true,  false},
    {"Forarm, back",         4685,  5308, Region::kForearm,   Tissue::kMuscle, Sever::kMidLimb,   false, false},
    {"Forarm, inner",        5309,  5836, Region::kForearm,   Tissue::kMuscle, Sever::kMidLimb,   false, false},
    {"Wrist, back",          5837,  5908, Region::kWrist,     Tissue::kJoint,  Sever::kExtremity, false, false},
    {"Wrist, front",         5909,  5980, Region::kWrist,     Tissue::kJoint,  Sever::kExtremity, true,  false},
    {"Hand, back",           5981,  6052, Region::kHand,      Tissue::kJoint,  Sever::kExtremity, false, false},
    {"Palm",                 6053,  6076, Region::kHand,      Tissue::kJoint,  Sever::kNone,      false, false},
    {"Finger(s)",            6077,  6220, Region::kHand,      Tissue::kDigit,  Sever::kDigit,     false, false},
    {"Shoulder, side",       6221,  7180, Region::kShoulder,  Tissue::kMuscle, Sever::kNone,      false, false},
    {"Shoulder, top",        7181,  9100, Region::kShoulder,  Tissue::kBone,   Sever::kNone,      false, false},
    {"Neck, front",          9101,  9121, Region::kNeck,      Tissue::kOrgan,  Sever::kNone,      true,  false},
    {"Neck, back",           9122,  9142, Region::kNeck,      Tissue::kBone,   Sever::kNone,      false, true},
    {"Neck, side",           9143,  9373, Region::kNeck,      Tissue::kMuscle, Sever::kNone,      true,  false},
    {"Head, side",           9374,  9653, Region::kSkull,     Tissue::kHead,   Sever::kNone,      false, false},
    {"Head, back lower",     9654,  9688, Region::kSkull,     Tissue::kHead,   Sever::kNone,      false, true},
    {"Face, lower side",     9689,  9768, Region::kFace,      Tissue::kHead,   Sever::kNone,      false, false},
    {"Face, lower center",   9769,  9788, Region::kFace,      Tissue::kHead,   Sever::kNone,      false, false},
    {"Head, back upper",     9789,  9823, Region::kSkull,     Tissue::kHead,   Sever::kNone,      false, false},
    {"Face, upper side",     9824,  9903, Region::kFace,      Tissue::kHead,   Sever::kNone,      false, false},
    {"Face, upper center",   9904,  9923, Region::kFace,      Tissue::kHead,   Sever::kNone,      false, false},
    {"Head, top",            9924, 10000, Region::kSkull,     Tissue::kHead,   Sever::kNone,      false, false},
};
// clang-format on
