#include "support/scripted_dialogs.h"

#include <QDir>

namespace {
template <typename T>
T takeOr(std::deque<T>& answers, T fallback) {
    if (answers.empty()) return fallback;
    T answer = answers.front();
    answers.pop_front();
    return answer;
}
}  // namespace

MsgAnswer ScriptedDialogs::messageBox(const QString& text, const QString& title,
                                      MsgButtons buttons, MsgIcon icon) {
    asked.push_back({"message", title, text, {}, {}, buttons, icon, context ? context() : QString()});
    const MsgAnswer fallback = buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    return takeOr(messageAnswers, fallback);
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText) {
    asked.push_back({"input", title, prompt, {}, defaultText});
    return takeOr(textAnswers, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest& r) {
    asked.push_back({"open", r.title, r.fileName, r.filter, r.defaultExt});
    return takeOr(textAnswers, std::optional<QString>());
}

std::optional<QString> ScriptedDialogs::saveFile(FileDialogRequest& r) {
    asked.push_back({"save", r.title, r.fileName, r.filter, r.defaultExt, {}, {}, {}, r.choices,
                     r.filterIndex});
    r.choice = takeOr(choiceAnswers, r.choice);
    r.filterIndex = takeOr(filterAnswers, r.filterIndex);
    return takeOr(textAnswers, std::optional<QString>());
}

QString ScriptedDialogs::startFolder(const FileDialogRequest&) const {
    return folder.isEmpty() ? QDir::currentPath() : folder;
}

std::optional<Rgb> ScriptedDialogs::chooseColour(const QString& title, Rgb) {
    asked.push_back({"colour", title});
    return takeOr(colourAnswers, std::optional<Rgb>());
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const QString& title, const FontChoice&) {
    asked.push_back({"font", title});
    return takeOr(fontAnswers, std::optional<FontChoice>());
}

bool ScriptedDialogs::choosePrinter(QPrinter&, const QString& title) {
    asked.push_back({"printer", title});
    return printerAnswer;
}

bool ScriptedDialogs::pageSetup(QPrinter&, const QString& title) {
    asked.push_back({"pagesetup", title});
    return printerAnswer;
}

const AskedQuestion* ScriptedDialogs::last(const QString& kind) const {
    for (auto it = asked.rbegin(); it != asked.rend(); ++it)
        if (it->kind == kind) return &*it;
    return nullptr;
}
