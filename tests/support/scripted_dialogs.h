#pragma once
// A Dialogs that answers from a script and records every question, for tests.
#include <QDir>
#include <QStringList>
#include <deque>
#include <functional>

#include "platform/dialogs.h"

struct AskedQuestion {
    QString kind;  // "message", "input", "open", "save", "colour", "font", "printer", "pagesetup"
    QString title;
    QString text;    // message text or input prompt
    QString filter;  // file dialogs
    QString defaultExt;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString context;  // what ScriptedDialogs::context said when a message box came up
    QStringList choices;  // save dialogs
    int filterIndex = 0;  // the file type a save dialog started at
};

class ScriptedDialogs : public Dialogs {
public:
    // Answers are taken in order; a missing answer means Cancel / no answer.
    std::deque<MsgAnswer> messageAnswers;
    std::deque<std::optional<QString>> textAnswers;  // input boxes and file dialogs
    std::deque<int> choiceAnswers;  // picked among a save dialog's choices; none: left as offered
    std::deque<int> filterAnswers;  // the file type picked in a save dialog; none: left as offered
    std::deque<std::optional<Rgb>> colourAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    bool printerAnswer = false;
    QString folder;  // where file dialogs start; empty: the current folder

    std::vector<AskedQuestion> asked;
    // When set, tells each message box's record what the program looked like as it came up.
    std::function<QString()> context;

    MsgAnswer messageBox(const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon) override {
        asked.push_back(
            {"message", title, text, {}, {}, buttons, icon, context ? context() : QString()});
        return take(messageAnswers, buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel);
    }
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override {
        asked.push_back({"input", title, prompt, {}, defaultText});
        return take(textAnswers, {});
    }
    std::optional<QString> openFile(const FileDialogRequest& r) override {
        asked.push_back({"open", r.title, r.fileName, r.filter, r.defaultExt});
        return take(textAnswers, {});
    }
    std::optional<QString> saveFile(FileDialogRequest& r) override {
        asked.push_back({"save", r.title, r.fileName, r.filter, r.defaultExt, {}, {}, {},
                         r.choices, r.filterIndex});
        r.choice = take(choiceAnswers, r.choice);
        r.filterIndex = take(filterAnswers, r.filterIndex);
        return take(textAnswers, {});
    }
    QString startFolder(const FileDialogRequest&) const override {
        return folder.isEmpty() ? QDir::currentPath() : folder;
    }
    std::optional<Rgb> chooseColour(const QString& title, Rgb) override {
        asked.push_back({"colour", title});
        return take(colourAnswers, {});
    }
    std::optional<FontChoice> chooseFont(const QString& title, const FontChoice&) override {
        asked.push_back({"font", title});
        return take(fontAnswers, {});
    }
    bool choosePrinter(QPrinter&, const QString& title) override {
        asked.push_back({"printer", title});
        return printerAnswer;
    }
    bool pageSetup(QPrinter&, const QString& title) override {
        asked.push_back({"pagesetup", title});
        return printerAnswer;
    }

    const AskedQuestion* last(const QString& kind) const {
        for (auto it = asked.rbegin(); it != asked.rend(); ++it)
            if (it->kind == kind) return &*it;
        return nullptr;
    }

private:
    template <typename T>
    static T take(std::deque<T>& answers, T fallback) {
        if (answers.empty()) return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
