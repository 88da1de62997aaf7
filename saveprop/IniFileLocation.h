#pragma once
// Where the settings file lives when no file name is given: the executable's
// path with its extension replaced by ".ini" (vellora -> vellora.ini), beside
// the executable when the program can write it there (portable use): its
// folder is writable and the file is either absent or a writable file.
// Otherwise the same name in the per-user configuration folder, so that a
// program installed in a read-only folder, or beside a settings file the
// user made read-only, still keeps its settings.

#include <QString>
#include <functional>

class TIniFileLocation {
public:
    using TCanWrite = std::function<bool(const QString& fileName)>;

    // The rule itself, with everything it depends on passed in.
    static QString Resolve(const QString& executablePath, const QString& configFolder, const TCanWrite& canWrite);
    // The rule for the running program: its executable, the application's
    // configuration folder (QStandardPaths::AppConfigLocation).
    static QString ForThisProgram();

    static bool CanWrite(const QString& fileName);
};
