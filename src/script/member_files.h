#pragma once
// The Java member files of the program folder: one per class of the class table, named a blank,
// the class's position and ".tsh". Line 1 is the position of the class it inherits from (-1 or
// empty for none); then three lines per member: the insertion text (the name, "(" for a method,
// then a tab and the signature), the text shown in the list, and the position of the class the
// member returns (-1 when it is not in the table). The records end at the end of the file or at
// the first record with an empty line.
#include <QString>
#include <unordered_map>
#include <vector>

struct MemberRecord {
    QString insertion;
    QString display;
    int returns = -1;
};

QString memberFileName(int classPosition);

// What a member's insertion text puts into the text: no leading blanks, nothing from the first
// tab or line break on.
QString insertedText(const QString& insertion);

// The member files a window has read; they do not change while the program runs, so each is
// read once.
class MemberFiles {
public:
    explicit MemberFiles(QString programFolder) : folder_(std::move(programFolder)) {}

    // The members of the class and then those of each class it inherits from, in file order.
    // Nothing for a class without a readable member file.
    std::vector<const MemberRecord*> classMembers(int classPosition);

private:
    struct File {
        int inherits = -1;
        std::vector<MemberRecord> members;
    };
    const File& file(int classPosition);

    QString folder_;
    std::unordered_map<int, File> files_;
};
