#pragma once
// Where the settings file lives when no file name is given: the executable's
// path with its extension replaced by ".ini" (vellora -> vellora.ini), beside
// the executable when that file exists or its folder is writable (portable
// use); otherwise the same name in the per-user configuration folder, so that
// a program installed in a read-only folder still keeps its settings.

#include <QString>
#include <functional>

class TIniFileLocation {
public:
    using TIsWritableFolder = std::function<bool(const QString& folder)>;

    // The rule itself, with everything it depends on passed in.
    static QString Resolve(const QString& executablePath, const QString& configFolder,
                           const TIsWritableFolder& isWritableFolder);
    // The rule for the running program: its executable, the application's
    // configuration folder (QStandardPaths::AppConfigLocation).
    static QString ForThisProgram();

    static bool IsWritableFolder(const QString& folder);
};
