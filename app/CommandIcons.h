#pragma once
// Toolbar images of the commands: the desktop icon theme's image when it
// has one, else a small badge of our own drawn for the command.

#include <QIcon>

struct TCommandEntry;

QIcon CommandIcon(const TCommandEntry& entry);
