#include "platform/user_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/paths.h"

namespace UserSettings {

std::unique_ptr<QSettings> open(const QString& application) {
    const QString file = QDir(Paths::settingsFolder()).filePath(application + ".ini");
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

std::unique_ptr<QSettings> openForTitle() { return open(QCoreApplication::applicationName()); }

std::unique_ptr<QSettings> openForExecutable() {
    return open(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
}

}  // namespace UserSettings
