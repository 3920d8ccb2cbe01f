// New, open and save of a script window.
#include <QDir>
#include <QFile>
#include <QLabel>

#include "core/frame.h"
#include "core/open_text_file.h"
#include "core/save_dialog.h"
#include "platform/dialogs.h"
#include "script/script_window.h"

void ScriptWindow::newfile() {
    const QString path =
        QDir(app().programFolder).filePath(QString::fromLatin1(row_.templateFile));
    if (QFile::exists(path)) {
        busy = true;
        pane().LoadFile(path, FilePlainText);  // an unreadable template leaves the window empty
        pane().SetSelStart(0);
        busy = false;
        colourAll();
    }
    setModifiedTag(QStringLiteral("s"));
    pane().SetFocus();
}

bool ScriptWindow::openfile() {
    std::optional<QString> chosen;
    {
        PalettesAway away(app().frame);
        chosen = app().dialogs->openFile({QString::fromLatin1(row_.openTitle),
                                          QString::fromLatin1(row_.openFilter), {}, {}});
    }
    if (!chosen || chosen->isEmpty()) return false;
    return loadDocument(*chosen);
}

bool ScriptWindow::openfromdir(const QString& path) { return loadDocument(path); }

bool ScriptWindow::loadDocument(const QString& path) {
    pane().SetSelColor(app().scriptTextColor);
    if (!openTextFile(*this, path, busy)) return false;
    pane().SetSelStart(0);
    colourAll();
    setCaption(path);
    setModifiedTag(QStringLiteral("s"));
    statusUpdate();
    pane().SetFocus();
    return true;
}

bool ScriptWindow::SaveDocument() {
    PalettesAway away(app().frame);
    if (!saveWithDialog(*this, false)) return false;
    panels_[2]->clear();
    return true;
}

bool ScriptWindow::SaveDocumentAs() {
    PalettesAway away(app().frame);
    if (!saveWithDialog(*this, true)) return false;
    panels_[2]->clear();
    return true;
}
