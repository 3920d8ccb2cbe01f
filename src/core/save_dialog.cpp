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

// Text that the file's encoding cannot hold is written only as UTF-8, and only when the user
// says so: the whole file then changes encoding, which is no small thing to do unasked.
bool agreeOnEncoding(EditorWindow& window) {
    EditorPane& pane = window.pane();
    const QString outside = pane.firstUnencodable();
    if (outside.isEmpty()) return true;
    const QString question =
        QStringLiteral("%1 cannot be written in this file's encoding, %2.\n\n"
                       "Save the file as UTF-8? Every character beyond plain ASCII, those already "
                       "in the file too, is then written in UTF-8.\n"
                       "No leaves the file as it is, unsaved.")
            .arg(describeCharacter(outside), encodingName(pane.encoding()));
    const MsgAnswer answer = window.ask(question, MsgButtons::YesNo, MsgIcon::Exclamation);
    if (answer != MsgAnswer::Yes) return false;
    pane.setEncoding(TextEncoding::Utf8);
    return true;
}

// The code windows' dialog offers the encodings, starting at the one the file is in.
void offerEncodings(FileDialogRequest& request, const EditorWindow& window) {
    if (window.kind() == KindDocument) return;
    request.choiceLabel = QStringLiteral("Encoding:");
    for (const TextEncoding encoding : textEncodings()) {
        if (encoding == window.pane().encoding()) request.choice = int(request.choices.size());
        request.choices << encodingName(encoding);
    }
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
    EditorPane& pane = window.pane();
    const TextEncoding encoding = pane.encoding();
    QString path = window.caption();
    if (saveAs || window.isUntitled()) {
        FileDialogRequest request = saveDialogRequest(window.kind(), saveAs);
        if (!window.isUntitled()) request.fileName = path;
        // Autosave may ask for a window that is not in front: show the user which one.
        if (app.frame) app.frame->bringForward(&window);
        offerEncodings(request, window);
        const std::optional<QString> chosen = app.dialogs->saveFile(request);
        if (!chosen || chosen->isEmpty()) return false;
        path = *chosen;
        if (request.choice >= 0 && request.choice < request.choices.size())
            pane.setEncoding(textEncodings()[size_t(request.choice)]);
    }
    // Only a document window's Save As writes rich text; everything else is plain text.
    const FileKind fileKind =
        saveAs && window.kind() == KindDocument ? FileRichText : FilePlainText;
    if (!window.mayWrite(path)) {
        pane.setEncoding(encoding);
        return false;
    }
    QString error;
    const bool saved = (fileKind != FilePlainText || agreeOnEncoding(window)) &&
                       pane.SaveFile(path, fileKind, &error);
    if (!saved) {
        pane.setEncoding(encoding);
        if (!error.isEmpty())
            window.ask(QStringLiteral("Could not save %1").arg(error), MsgButtons::Ok,
                       MsgIcon::Critical);
        return false;
    }
    window.documentSaved(path);
    return true;
}
