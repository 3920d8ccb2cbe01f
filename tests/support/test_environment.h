#pragma once
// Every test program runs with the program folder and the settings folder pointed at fresh
// temporary folders; the program folder starts as a copy of the shipped data files.
#include <QByteArrayList>
#include <QFile>
#include <QList>
#include <QString>

namespace TestEnvironment {
QString programFolder();
QString settingsFolder();
// Puts a fresh copy of the data files into the program folder (undoing what a test removed).
void resetProgramFolder();

// A file's bytes, "<unreadable>" when it cannot be read.
inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The bytes of every sample file in tests/samples/<folder>, in name order.
QList<QByteArray> samples(const QString& folder);
// The rows of the case table tests/samples/<name>: a row a line, its fields parted by tabs;
// lines starting with "#" are left out. In a field \n, \r, \t, \\ and \xHH stand for the byte.
QList<QByteArrayList> caseRows(const QString& name);
}  // namespace TestEnvironment
