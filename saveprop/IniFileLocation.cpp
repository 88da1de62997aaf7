#include "IniFileLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString TIniFileLocation::Resolve(const QString& executablePath, const QString& configFolder,
                                  const TIsWritableFolder& isWritableFolder)
{
    const QFileInfo executable(executablePath);
    const QString iniName = executable.completeBaseName() + QStringLiteral(".ini");
    const QString folder = executable.absolutePath();
    const QString beside = QDir(folder).filePath(iniName);
    if (QFileInfo::exists(beside) || isWritableFolder(folder))
        return beside;
    return QDir(configFolder).filePath(iniName);
}

QString TIniFileLocation::ForThisProgram()
{
    return Resolve(QCoreApplication::applicationFilePath(),
                   QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation), IsWritableFolder);
}

bool TIniFileLocation::IsWritableFolder(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}
