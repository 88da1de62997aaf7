#pragma once
// Files the program ships beside its executable (the help file) and the
// "Vellora Files" folder. A portable copy keeps them in the executable's
// folder; an installed program finds its files in the shared data folder
// and keeps "Vellora Files" in the user's documents folder.

#include <QString>
#include <functional>

class TAppFiles {
public:
    using TCanWrite = std::function<bool(const QString& folder)>;

    // The running executable's folder, with a trailing '/'.
    static QString ExecutableDir();
    // The installed data folder, with a trailing '/': <prefix>/share/vellora/
    // of the prefix the executable runs from (<prefix>/bin/), so that a
    // package installed under any prefix finds its files.
    static QString DataDir();

    // The path of `name` beside the executable when it exists there, else in
    // the data folder when it exists there, else beside the executable.
    static QString Locate(const QString& name);
    // The same rule over the two folders given (each with a trailing '/').
    static QString Locate(const QString& name, const QString& executableDir, const QString& dataDir);

    // The "Vellora Files" folder (not created): beside the executable when
    // the program may write there (that folder, or the executable's folder
    // while it does not exist), else in the user's documents folder.
    static QString FilesFolder();
    // The same rule over the folders given (executableDir with a trailing '/').
    static QString FilesFolder(const QString& executableDir, const QString& documentsDir, const TCanWrite& canWrite);
};
