#include "IniFileLocation.h"

#include "FileIO.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
// writable too; the checked writer's own rules decide.
bool TIniFileLocation::CanWrite(const QString& fileName)
{
    return QFileInfo(QFileInfo(fileName).absolutePath()).isDir() && CanReplace(QFile::encodeName(fileName).toStdString());
}
