#pragma once

// The senders that rebuild the character tree's branches from the record after a change.
// Each builds its keys and values and hands them to the user port's tree update.
void messagetotree();
