#include "core/save_dialog.h"

#include <algorithm>
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

// Formatted text written as plain text loses its formatting in the file: the user decides.
bool agreeOnPlainText(EditorWindow& window) {
    const QString question = QStringLiteral(
        "Plain text holds no formatting: fonts, colours, styles and alignment are left out of the "
        "file, and the document is saved as plain text from now on.\n\n"
        "Save it as plain text?");
    return window.ask(question, MsgButtons::SaveAnywayCancel, MsgIcon::Exclamation) ==
           MsgAnswer::Ok;
}

// The types of a document's save dialog, in the order of its filter: the format each writes.
constexpr FileKind documentTypes[] = {FileRichText, FilePlainText};

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
    FileKind fileKind = pane.fileKind();
    QString path = window.caption();
    if (saveAs || window.isUntitled()) {
        FileDialogRequest request = saveDialogRequest(window.kind(), saveAs);
        if (!window.isUntitled()) request.fileName = path;
        // Autosave may ask for a window that is not in front: show the user which one.
        if (app.frame) app.frame->bringForward(&window);
        offerEncodings(request, window);
        const bool typeIsFormat = window.kind() == KindDocument;
        if (typeIsFormat) request.filterIndex = int(std::find(std::begin(documentTypes),
                                                              std::end(documentTypes), fileKind) -
                                                    std::begin(documentTypes));
        const std::optional<QString> chosen = app.dialogs->saveFile(request);
        if (!chosen || chosen->isEmpty()) return false;
        path = *chosen;
        if (request.choice >= 0 && request.choice < request.choices.size())
            pane.setEncoding(textEncodings()[size_t(request.choice)]);
        if (typeIsFormat && request.filterIndex >= 0 &&
            request.filterIndex < int(std::size(documentTypes)))
            fileKind = documentTypes[request.filterIndex];
    }
    if (writeWindowFile(window, path, fileKind)) return true;
    pane.setEncoding(encoding);
    return false;
}

bool writeWindowFile(EditorWindow& window, const QString& path, FileKind kind) {
    EditorPane& pane = window.pane();
    if (!window.mayWrite(path)) return false;
    if (kind == FilePlainText && pane.fileKind() != FilePlainText && !agreeOnPlainText(window))
        return false;
    const TextEncoding encoding = pane.encoding();
    QString error;
    const bool saved = (kind != FilePlainText || agreeOnEncoding(window)) &&
                       pane.SaveFile(path, kind, &error);
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
