#pragma once

// One Chimelo per session: two would each write their whole table at close,
// the last one throwing away the other's edits, and both would rotate the
// same registry values. True when this process is now the only one. False
// when another one runs: its frame has been restored and brought to the
// front, and this process is to end without touching anything.
bool StartAsTheOnlyChimelo(const char* frameCaption);
