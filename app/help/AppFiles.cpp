#include "AppFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString FilesFolderName = QStringLiteral("Vellora Files");

bool FolderWritable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}
}  // namespace

QString TAppFiles::ExecutableDir()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

QString TAppFiles::DataDir()
{
    return QDir::cleanPath(ExecutableDir() + QStringLiteral(VELLORA_DATA_DIR_FROM_BIN)) + u'/';
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

QString TAppFiles::FilesFolder()
{
    return FilesFolder(ExecutableDir(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                       FolderWritable);
}

QString TAppFiles::FilesFolder(const QString& executableDir, const QString& documentsDir, const TCanWrite& canWrite)
{
    const QString beside = executableDir + FilesFolderName;
    if (canWrite(QFileInfo(beside).isDir() ? beside : executableDir))
        return beside;
    return QDir(documentsDir).filePath(FilesFolderName);
}
