#include "core/save_dialog.h"

#include <iterator>

#include "core/editor_window.h"
#include "core/frame.h"
#include "core/plain_text_file.h"

namespace {
struct SaveDialogRow {
    WindowKind kind;
    const char* saveTitle;
    const char* saveAsTitle;
    const char* saveFilter;
    const char* saveAsFilter;
    const char* defaultExt;
};

const SaveDialogRow saveDialogRows[] = {
    {KindHtml, "Web page save as ", "Save HTML file as ",
     "HTML(*.html)|*.html|HTM Files(*.htm)|*.htm|All files(*.*)|*.*",
     "HTML(*.html)|*.html|HTM Files(*.htm)|*.htm|All files(*.*)|*.*", "*.html"},
    {KindVbscript, "Save VBScript file as ", "Save VBScript file as ",
     "VBScript files(*.vbs)|*.vbs|All files(*.*)|*.*", "VBScript(*.vbs)|*.vbs|All files(*.*)|*.*",
     "*.vbs"},
    {KindJscript, "Save JScript file as ", "Save JScript file as ",
     "JScript files(*.js)|*.js|All files(*.*)|*.*", "JScript files(*.js)|*.js|All files(*.*)|*.*",
     "*.js"},
    {KindJava, "Save Java file as ", "Save Java file as ",
     "Java files(*.java)|*.java|All files(*.*)|*.*",
     "Java files(*.java)|*.java|All files(*.*)|*.*", "*.java"},
    {KindDocument, "Save Doc file as ", "Save Doc file as ",
     "Richtext files(*.rtf)|*.rtf|Text files(*.txt)|*.txt|All files(*.*)|*.*",
     "Richtext files(*.rtf)|*.rtf|Text files(*.txt)|*.txt|All files(*.*)|*.*", "*.rtf"},
};

// Text that the file's Latin-1 cannot hold is written only as UTF-8, and only when the user
// says so: the whole page then changes encoding, which is no small thing to do unasked.
bool agreeOnEncoding(EditorWindow& window) {
    EditorPane& pane = window.pane();
    if (!pane.writesLatin1()) return true;
    const QString outside = pane.firstOutsideLatin1();
    if (outside.isEmpty()) return true;
    const QString question =
        QStringLiteral("%1 cannot be written in this file's encoding, Latin-1 (ISO 8859-1).\n\n"
                       "Save the page as UTF-8? Every character beyond plain ASCII, those already "
                       "in the file too, is then written in UTF-8.\n"
                       "No leaves the file as it is, unsaved.")
            .arg(describeCharacter(outside));
    const MsgAnswer answer = window.ask(question, MsgButtons::YesNo, MsgIcon::Exclamation);
    if (answer != MsgAnswer::Yes) return false;
    pane.setWritesLatin1(false);
    return true;
}
}  // namespace

FileDialogRequest saveDialogRequest(WindowKind kind, bool saveAs) {
    for (const SaveDialogRow& row : saveDialogRows) {
        if (row.kind != kind) continue;
        return {QString::fromLatin1(saveAs ? row.saveAsTitle : row.saveTitle),
                QString::fromLatin1(saveAs ? row.saveAsFilter : row.saveFilter),
                QString::fromLatin1(row.defaultExt), QString()};
    }
    return {};
}

bool saveWithDialog(EditorWindow& window, bool saveAs) {
    AppState& app = window.app();
    QString path = window.caption();
    if (saveAs || window.isUntitled()) {
        FileDialogRequest request = saveDialogRequest(window.kind(), saveAs);
        if (!window.isUntitled()) request.fileName = path;
        // Autosave may ask for a window that is not in front: show the user which one.
        if (app.frame) app.frame->bringForward(&window);
        const std::optional<QString> chosen = app.dialogs->saveFile(request);
        if (!chosen || chosen->isEmpty()) return false;
        path = *chosen;
    }
    // Only a document window's Save As writes rich text; everything else is plain text.
    const FileKind fileKind =
        saveAs && window.kind() == KindDocument ? FileRichText : FilePlainText;
    if (!window.mayWrite(path)) return false;
    const bool latin1 = window.pane().writesLatin1();
    if (fileKind == FilePlainText && !agreeOnEncoding(window)) return false;
    QString error;
    if (!window.pane().SaveFile(path, fileKind, &error)) {
        window.pane().setWritesLatin1(latin1);
        window.ask(QStringLiteral("Could not save %1").arg(error), MsgButtons::Ok,
                   MsgIcon::Critical);
        return false;
    }
    window.documentSaved(path);
    return true;
}
