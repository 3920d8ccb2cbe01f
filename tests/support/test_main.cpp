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
                if (field[i] != '\\' || i + 1 == field.size()) {
                    bytes += field[i];
                    continue;
                }
                switch (const char escaped = field[++i]) {
                case 'n': bytes += '\n'; break;
                case 'r': bytes += '\r'; break;
                case 't': bytes += '\t'; break;
                case 'x': bytes += char(field.mid(i + 1, 2).toInt(nullptr, 16)), i += 2; break;
                default: bytes += escaped;
                }
            }
            row << bytes;
        }
        rows << row;
    }
    return rows;
}
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
