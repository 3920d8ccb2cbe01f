#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace Paths {

QString programFolder() {
    const QString home = qEnvironmentVariable("TESSAVEL_HOME");
    if (!home.isEmpty()) return QDir(home).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString settingsFolder() {
    QString folder = qEnvironmentVariable("TESSAVEL_SETTINGS_DIR");
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    return QDir(folder).absolutePath();
}

QString writableFolder() {
    const QString program = programFolder();
    if (QFileInfo(program).isWritable()) return program;
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

QString programFile(const QString& name) { return QDir(programFolder()).filePath(name); }

}  // namespace Paths
