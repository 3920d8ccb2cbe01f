#include "core/save_dialog.h"

#include <QApplication>
#include <iterator>

#include "core/editor_window.h"

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
        const std::optional<QString> chosen = app.dialogs->saveFile(request);
        if (!chosen || chosen->isEmpty()) return false;
        path = *chosen;
    }
    // Only a document window's Save As writes rich text; everything else is plain text.
    const FileKind fileKind =
        saveAs && window.kind() == KindDocument ? FileRichText : FilePlainText;
    QString error;
    if (!window.pane().SaveFile(path, fileKind, &error)) {
        app.dialogs->messageBox(QStringLiteral("Could not save %1: %2").arg(path, error),
                                QApplication::applicationName(), MsgButtons::Ok,
                                MsgIcon::Critical);
        return false;
    }
    window.setCaption(path);
    window.setModifiedTag(QStringLiteral("s"));
    return true;
}
