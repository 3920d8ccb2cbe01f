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
}  // namespace

namespace TestEnvironment {
QString programFolder() { return programDir->path(); }
QString settingsFolder() { return settingsDir->path(); }

void resetProgramFolder() {
    const QDir from(QStringLiteral(TESSAVEL_TEST_DATA_DIR));
    const QString to = programFolder();
    // The Java member files are many and never written: one link to their folder stands for them.
    if (!QFileInfo(to + "/members").isSymLink())
        QFile::link(from.filePath("members"), to + "/members");
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = from.relativeFilePath(it.next());
        if (relative.startsWith("members/")) continue;
        const QString target = to + "/" + relative;
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        QFile::copy(from.filePath(relative), target);
    }
}

QList<QByteArray> samples(const QString& folder) {
    QList<QByteArray> all;
    const QDir dir(QStringLiteral(TESSAVEL_TEST_SAMPLES_DIR "/") + folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) all << readFile(dir.filePath(name));
    return all;
}

QList<QByteArrayList> caseRows(const QString& name) {
    QList<QByteArrayList> rows;
    const QByteArray table = readFile(QStringLiteral(TESSAVEL_TEST_SAMPLES_DIR "/") + name);
    for (const QByteArray& line : table.split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) continue;
        QByteArrayList row;
        for (const QByteArray& field : line.split('\t')) {
            QByteArray bytes;
            for (qsizetype i = 0; i < field.size(); ++i) {
                const char c = field[i];
                const char next = i + 1 < field.size() && c == '\\' ? field[++i] : 0;
                if (next == 'x') bytes += char(field.mid(i + 1, 2).toInt(nullptr, 16)), i += 2;
                else if (next)
                    bytes += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
                else
                    bytes += c;
            }
            row << bytes;
        }
        rows << row;
    }
    return rows;
}
}  // namespace TestEnvironment

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
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
