#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "support/test_environment.h"

namespace {
QTemporaryDir* programDir = nullptr;
QTemporaryDir* settingsDir = nullptr;

// The Java member files are many and never written: one link to their folder stands for them.
void linkMemberFiles(const QString& from, const QString& to) {
    const QString link = to + "/members";
    if (!QFileInfo(link).isSymLink()) QFile::link(from + "/members", link);
}

void copyTree(const QString& from, const QString& to) {
    linkMemberFiles(from, to);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        if (relative.startsWith("members/")) continue;
        const QString target = to + "/" + relative;
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        QFile::copy(source, target);
    }
}
}  // namespace

namespace TestEnvironment {
QString programFolder() { return programDir->path(); }
QString settingsFolder() { return settingsDir->path(); }
void resetProgramFolder() { copyTree(TESSAVEL_TEST_DATA_DIR, programFolder()); }
}  // namespace TestEnvironment

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    QTemporaryDir program;
    QTemporaryDir settings;
    programDir = &program;
    settingsDir = &settings;
    qputenv("TESSAVEL_HOME", program.path().toUtf8());
    qputenv("TESSAVEL_SETTINGS_DIR", settings.path().toUtf8());
    TestEnvironment::resetProgramFolder();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessavel Editor 2005"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
