#pragma once

class HonorTracker;

// The honor tracker's party commands, each a short exchange with the game master through the
// user port, so the window only calls them and shows the party again. Each returns whether the
// party table changed.

constexpr const char* kPartyCaption = "Party";

// "New Party": an empty party, once a changed party is saved or given up (MayLeaveParty).
bool NewPartyCommand();
// "Open Party...": chooses one of the parties kept in the workspace and opens it; the members
// that could not be read are named. Nothing changes when there is none, or the choice is
// cancelled, or the changed party in hand is kept.
bool OpenPartyCommand();
// "Save Party": into the file the party came from; a party kept nowhere yet is named first.
// "Save Party As...": asks the name (a party of another name is replaced only when the game
// master says so). False when nothing was saved.
bool SavePartyCommand();
bool SavePartyAsCommand();
// "Write Honor to Characters" and "Award Experience to Party...": the party's awards reach the
// members' character files; what was written goes to `tracker`'s honor log, and the game
// master is told what was done, skipped and who may now advance.
bool WriteHonorCommand(HonorTracker& tracker);
bool AwardPartyExperienceCommand(HonorTracker& tracker);

// Before a changed party is left (a new one, another one opened, the last tracker window
// closed): the game master saves it, gives it up, or stays. True when the party may be left.
bool MayLeaveParty();
