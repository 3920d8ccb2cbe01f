#pragma once
// Every modal question the program asks goes through Dialogs, so that tests can answer and
// record them. A cancelled dialog returns no answer and the command stops.
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/colour.h"

class QPrinter;
class QWidget;

// SaveAnywayCancel: "Save anyway" answers Ok.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveAnywayCancel };
enum class MsgIcon { None, Critical, Exclamation, Question, Information };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// A file dialog as the program describes it: the filter is in the "Name|*.ext|Name|*.ext"
// form, the default extension in the "*.ext" form. A save dialog may offer choices besides the
// name (the encoding to save in): the dialog starts at `choice` and leaves the user's pick there.
// A save dialog starts at the type `filterIndex` of the filter and leaves the type picked there.
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExt;
    QString fileName;
    QString choiceLabel;
    QStringList choices;
    int choice = 0;
    int filterIndex = 0;
};

struct FontChoice {
    QString name;
    int size = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeThru = false;
    Rgb colour = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer messageBox(const QString& text, const QString& title, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText) = 0;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(FileDialogRequest& request) = 0;
    // The folder the file dialog for this request would open in.
    virtual QString startFolder(const FileDialogRequest& request) const = 0;
    virtual std::optional<Rgb> chooseColour(const QString& title, Rgb initial) = 0;
    virtual std::optional<FontChoice> chooseFont(const QString& title, const FontChoice& initial) = 0;
    // Printer and page set-up dialogs; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer, const QString& title) = 0;
    virtual bool pageSetup(QPrinter& printer, const QString& title) = 0;
};

// "HTML(*.html)|*.html|All files(*.*)|*.*" -> "HTML(*.html) (*.html);;All files(*.*) (*.*)".
QString qtFilterFromProgramFilter(const QString& programFilter);
