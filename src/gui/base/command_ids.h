#pragma once

// Command identifiers of the main window, the creation windows and the tool windows.
enum CommandId : int {
    ID_Exit = 10000,
    ID_OpenFile = 10001,
    ID_SaveFile = 10002,
    ID_About = 10003,
    ID_Abort = 10008,
    ID_Continue = 10009,
    ID_NewCharacter = 10010,
    ID_Options = 10011,
    ID_Test = 10014,
    ID_Critical = 10015,
    ID_Honor = 10016,
    ID_Accept = 10017,
    ID_PrintSheet = 10018,
    ID_PrintPreview = 10019,
    ID_AwardExperience = 10070,
    ID_AdvanceLevel = 10071,
    ID_PlaceThiefPoints = 10072,
    ID_SpellBook = 10073,
    ID_PartyWindow = 10074,

    // The first creation step.
    ID_Step3Roll = 10020,
    ID_Step3Apply = 10021,
    ID_Step3Adjust = 10022,
    ID_Step3Burn = 10023,
    ID_Step3ContinueButton = 10024,
    ID_Step3RaceList = 10025,
    ID_Step3Language = 10026,
    ID_Step3FirstRadio = 10030, // the 19 radio buttons: 10030 to 10048

    // The priors and particulars step: one button per roll, 10050 to 10064 in roll order.
    ID_Step6FirstRoll = 10050,

    // The fighter background window and its free proficiency chooser.
    ID_FighterCampRoll = 10200,
    ID_FighterQualityRoll = 10201,
    ID_FighterResultsRoll = 10202,
    ID_FighterProficiencyList = 10203,

    // The quirk and flaw windows: rolling, then cherry picking.
    ID_Step7TableBox = 10140,
    ID_Step7Roll = 10141,
    ID_Step7GainedList = 10142,
    ID_CherryHeldList = 10150,
    ID_CherryMinorChoice = 10151,
    ID_CherryMajorChoice = 10152,
    ID_CherryMinorAdd = 10153,
    ID_CherryMajorAdd = 10154,
    ID_CherryRemove = 10155,
    ID_CherryRoll = 10156,
    ID_CherryPickList = 10157,
};
