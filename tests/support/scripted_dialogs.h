#pragma once
// A Dialogs that answers from a script and records every question, for tests.
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>

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
                         MsgIcon icon) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(FileDialogRequest& request) override;
    QString startFolder(const FileDialogRequest& request) const override;
    std::optional<Rgb> chooseColour(const QString& title, Rgb initial) override;
    std::optional<FontChoice> chooseFont(const QString& title, const FontChoice& initial) override;
    bool choosePrinter(QPrinter& printer, const QString& title) override;
    bool pageSetup(QPrinter& printer, const QString& title) override;

    const AskedQuestion* last(const QString& kind) const;
};
