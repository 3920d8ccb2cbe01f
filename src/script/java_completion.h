#pragma once
// The member list of a Java window: "." typed after a class name, after a variable declared
// with a class, or after a call of a member whose class the tables know, lists that class's
// members and then those of the classes it inherits from. Typing narrows the choice; Enter or
// Space inserts the chosen member.
#include <QByteArray>
#include <QStringList>
#include <vector>

#include "script/member_files.h"

class QListView;
class QStringListModel;
class QKeyEvent;
class ScriptWindow;
class KeywordTables;

class JavaCompletion {
public:
    explicit JavaCompletion(ScriptWindow& window);
    ~JavaCompletion();

    QListView* jshow() const { return jshow_; }
    // What jshow lists, and the row selected in it (-1 for none).
    QStringList shownItems() const;
    int currentRow() const;
    void setCurrentRow(int row);
    const QStringList& jput() const { return jput_; }
    const std::vector<int>& jreturn() const { return jreturn_; }
    int shownClass() const { return shownClass_; }
    bool listVisible() const;

    // The window's key events; true when the key was dealt with here.
    bool KeyDown(int& keyCode, Qt::KeyboardModifiers shift);
    bool KeyPress(int& keyAscii);
    // Narrows the list to what was typed after the ".".
    void textChanged();
    void acceptSelected();
    void hideList();

    // The class-table position of the expression that ends just before text[end] (a "."),
    // or -1 when its class is not known.
    int classOfExpression(const QByteArray& text, int end, int depth = 0) const;
    // The class a variable is declared with, searched backwards from `before` block by block.
    static int declaredClass(KeywordTables& tables, const QByteArray& text, const QString& word,
                             int before);

private:
    bool openList(int dot);
    int returnedClass(int owner, const QString& member) const;
    // Where the member name being typed after the "." starts; -1 when the caret is not there.
    int typedStart() const;
    void listKeyPressed(QKeyEvent* event);

    ScriptWindow& window_;
    QListView* jshow_;
    QStringListModel* shown_;
    mutable MemberFiles files_;
    QStringList jput_;
    std::vector<int> jreturn_;
    int shownClass_ = -1;
};
