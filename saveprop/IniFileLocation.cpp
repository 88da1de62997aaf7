#include "IniFileLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString TIniFileLocation::Resolve(const QString& executablePath, const QString& configFolder,
                                  const TCanWrite& canWrite)
{
    const QFileInfo executable(executablePath);
    const QString iniName = executable.completeBaseName() + QStringLiteral(".ini");
    const QString beside = QDir(executable.absolutePath()).filePath(iniName);
    if (canWrite(beside))
        return beside;
    return QDir(configFolder).filePath(iniName);
}

QString TIniFileLocation::ForThisProgram()
{
    return Resolve(QCoreApplication::applicationFilePath(),
                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), CanWrite);
}

// The file is replaced by a new one renamed over it, so its folder must be
// writable too.
bool TIniFileLocation::CanWrite(const QString& fileName)
{
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return false;
    return !file.exists() || (file.isFile() && file.isWritable());
}
