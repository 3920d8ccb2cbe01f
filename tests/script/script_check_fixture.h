#pragma once
// Script and Java windows for the checker and tool tests: stub windows (the commands reach
// windows only through EditorWindow and its pane) whose Save writes the text under the caption,
// or for an untitled window under the name the save dialog gives. Every window, dialog and
// console a test leaves open is closed after it.
#include <QApplication>
#include <QFile>

#include "support/editor_fixture.h"

class ScriptToolsFixture : public EditorFixture {
protected:
    ~ScriptToolsFixture() override {
        QList<QPointer<QWidget>> open;
        for (QWidget* w : QApplication::topLevelWidgets()) open << w;
        for (const QPointer<QWidget>& w : open) delete w.data();
    }

    // A window of the kind holding the text, active and unmodified, as a file just opened; each
    // message box's record notes what its pane had selected.
    StubWindow* openWindow(WindowKind kind, const QByteArray& text, const QString& caption) {
        StubWindow* window = &openStub(kind, text);
        window->setCaption(caption);
        window->save = [this, window] {
            std::optional<QString> path = window->caption();
            FileDialogRequest request;
            if (window->isUntitled()) path = dialogs.saveFile(request);
            QFile file(path.value_or(QString()));
            if (!path || !file.open(QIODevice::WriteOnly)) return false;
            file.write(window->pane().Text());
            window->setCaption(*path);
            window->setModifiedTag(QStringLiteral("s"));
            return true;
        };
        dialogs.context = [w = QPointer<StubWindow>(window)] { return w ? w->pane().SelText() : QString(); };
        return window;
    }
};
