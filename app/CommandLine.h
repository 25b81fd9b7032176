#pragma once

// The switches Chimelo is started with, each alone on its command line;
// started by hand, it has none.

// The installer's sign-in shortcut: the start sound plays.
constexpr char SignInSwitch[] = "/signin";
// A restart, after an installer or an update closed it, of a Chimelo that
// was minimised: it starts minimised.
constexpr char MinimizedSwitch[] = "/minimized";

// Closed by an installer or an update (the Restart Manager), Chimelo comes
// back as it is now, minimised or not, and plays no start sound. A crash, a
// hang or a restart of Windows brings nothing back: the sign-in start does.
void RegisterRestart(bool minimized);

// The command line is the switch alone, whatever the case of its letters
// and the blanks around it.
bool IsSwitch(const char* commandLine, const char* name);
