#include "script/member_files.h"

#include <QDir>
#include <QFile>
#include <QSet>

QString memberFileName(int classPosition) {
    return QLatin1Char(' ') + QString::number(classPosition) + QStringLiteral(".tsh");
}

namespace {
// The leading number of a line, as a numeric conversion that ignores what follows reads it.
int leadingNumber(const QByteArray& line) {
    int i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    const int from = i;
    if (i < line.size() && line[i] == '-') ++i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') ++i;
    bool ok = false;
    const int value = line.mid(from, i - from).toInt(&ok);
    return ok ? value : -1;
}

}  // namespace

const MemberFiles::File& MemberFiles::file(int classPosition) {
    const auto known = files_.find(classPosition);
    if (known != files_.end()) return known->second;
    File& read = files_[classPosition];
    QFile file(QDir(folder_).filePath(memberFileName(classPosition)));
    if (!file.open(QIODevice::ReadOnly)) return read;
    const QList<QByteArray> lines = file.readAll().split('\n');
    auto line = [&lines](qsizetype i) {
        QByteArray text = i < lines.size() ? lines[i] : QByteArray();
        if (text.endsWith('\r')) text.chop(1);
        return text;
    };
    for (qsizetype i = 1;; i += 3) {
        const QByteArray insertion = line(i);
        const QByteArray display = line(i + 1);
        const QByteArray returns = line(i + 2);
        if (insertion.isEmpty() || display.isEmpty() || returns.isEmpty()) break;
        read.members.push_back({QString::fromUtf8(insertion), QString::fromUtf8(display),
                                leadingNumber(returns)});
    }
    const QByteArray first = line(0);
    read.inherits = first.trimmed().isEmpty() ? -1 : leadingNumber(first);
    return read;
}

std::vector<const MemberRecord*> MemberFiles::classMembers(int classPosition) {
    std::vector<const MemberRecord*> members;
    QSet<int> seen;  // a damaged file could name a class that inherits from itself
    for (int position = classPosition; position >= 0 && !seen.contains(position);) {
        seen.insert(position);
        const File& read = file(position);
        for (const MemberRecord& member : read.members) members.push_back(&member);
        position = read.inherits;
    }
    return members;
}

QString insertedText(const QString& insertion) {
    qsizetype from = 0;
    while (from < insertion.size() && insertion[from] == QLatin1Char(' ')) ++from;
    qsizetype to = from;
    while (to < insertion.size() && insertion[to] != QLatin1Char('\t') &&
           insertion[to] != QLatin1Char('\r') && insertion[to] != QLatin1Char('\n'))
        ++to;
    return insertion.mid(from, to - from);
}
