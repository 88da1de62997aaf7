#pragma once
// Files the program ships beside its executable (the help file, the
// "Vellora Files" folder). A portable copy keeps them in the executable's
// folder; an installed program finds them in the shared data folder.

#include <QString>

class TAppFiles {
public:
    // The running executable's folder, with a trailing '/'.
    static QString ExecutableDir();
    // The installed data folder (<prefix>/share/vellora/), with a trailing '/'.
    static QString DataDir();

    // The path of `name` beside the executable when it exists there, else in
    // the data folder when it exists there, else beside the executable.
    static QString Locate(const QString& name);
    // The same rule over the two folders given (each with a trailing '/').
    static QString Locate(const QString& name, const QString& executableDir, const QString& dataDir);
};
