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
};
