#pragma once
// Images of the commands and of the program: drawings of our own in the
// resources (":/icons/NAME.svg") where the desktop icon theme has nothing
// that fits, the theme's images otherwise.

#include <QIcon>

struct TCommandEntry;

// Makes the desktop icon themes findable also without a desktop
// environment: the system's icon folders are searched, and a theme
// installed with the program stands in for images the current theme lacks.
// Call once at start, before the commands are made.
void InstallIconTheme();

// The command's image; a null icon when neither we nor the theme have one.
QIcon CommandIcon(const TCommandEntry& entry);

// One of our own drawings; "vellora" is the program's icon (its windows,
// the about box), "memo" the memo windows'.
QIcon OwnIcon(const QString& name);
