#pragma once
// The help module: one help file for the program, shown on request by the
// help viewer. The main window registers the file at start-up.

#include "HelpViewer.h"

#include <QString>
#include <memory>

class QWidget;

// The help file's name: "Vellora ヘルプ.CHM".
QString HelpFileName();

// Registers the help file and the window that owns the viewer.
void SetHelpFile(QWidget* owner, const QString& path);
// Opens the viewer on the help file's contents (command 1, data 0). Whether
// the file exists is left to the viewer.
void ShowHelp();
// Called when the main window goes; the viewer closes with the program.
void CloseHelp();

QString HelpFile();
QWidget* HelpOwner();

// Replaces the viewer; nullptr puts the program's own viewer back.
void SetHelpViewer(std::unique_ptr<THelpViewer> viewer);
