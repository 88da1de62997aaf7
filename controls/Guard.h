#pragma once
// Every entry from the toolkit into the program's code (a command, an event
// handler, a destructor that writes settings) runs inside RunGuarded: an
// exception never crosses the event loop, its message goes to the general
// error message box and the work ends at that point.

#include <functional>

class TDialogs;

// Runs work; true when it ended without an exception.
bool RunGuarded(TDialogs& dialogs, const std::function<void()>& work);
