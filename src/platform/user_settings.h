#pragma once
// The per-user settings store: string values by application, section and key. It lives in the
// settings folder (Paths::settingsFolder), one file per application name.
#include <QSettings>
#include <memory>

namespace UserSettings {
// The store of the named application.
std::unique_ptr<QSettings> open(const QString& application);
// The application named by the program's title ("Tessavel Editor 2005").
std::unique_ptr<QSettings> openForTitle();
// The application named by the program's executable name.
std::unique_ptr<QSettings> openForExecutable();
}  // namespace UserSettings
