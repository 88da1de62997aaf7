#include "AppFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

QString TAppFiles::ExecutableDir()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

QString TAppFiles::DataDir()
{
    return QStringLiteral(VELLORA_DATA_DIR);
}

QString TAppFiles::Locate(const QString& name)
{
    return Locate(name, ExecutableDir(), DataDir());
}

QString TAppFiles::Locate(const QString& name, const QString& executableDir, const QString& dataDir)
{
    const QString beside = executableDir + name;
    if (QFileInfo::exists(beside))
        return beside;
    const QString installed = dataDir + name;
    if (QFileInfo::exists(installed))
        return installed;
    return beside;
}
