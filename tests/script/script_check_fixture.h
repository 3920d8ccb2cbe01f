#pragma once
// Script and Java windows for the checker and tool tests: a plain editor window of the kind
// asked for (the commands reach windows only through EditorWindow and its pane), scripted
// dialogs that also note the pane's selection when a message is shown, and a command registry.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <memory>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "core/scintilla_pane.h"
#include "support/recording_frame.h"
#include "support/scripted_dialogs.h"

class PlainScriptWindow : public EditorWindow {
public:
    PlainScriptWindow(AppState& app, WindowKind kind)
        : EditorWindow(app, kind, std::make_unique<ScintillaPane>()) {}
    // Writes the text under the caption; an untitled window under the name the save dialog gives.
    bool SaveDocument() override {
        std::optional<QString> path = caption();
        FileDialogRequest request;
        if (isUntitled()) path = app().dialogs->saveFile(request);
        QFile file(path.value_or(QString()));
        if (!path || !file.open(QIODevice::WriteOnly)) return false;
        file.write(pane().Text());
        setCaption(*path);
        setModifiedTag(QStringLiteral("s"));
        return true;
    }
    bool SaveDocumentAs() override { return true; }
};

// Notes which text was selected in the watched pane when each message box came up.
class SelectionNotingDialogs : public ScriptedDialogs {
public:
    EditorPane* watched = nullptr;
    QStringList selectionAtMessage;
    MsgAnswer messageBox(const QString& text, const QString& title, MsgButtons buttons,
                         MsgIcon icon) override {
        selectionAtMessage << (watched ? watched->SelText() : QString());
        return ScriptedDialogs::messageBox(text, title, buttons, icon);
    }
};

class ScriptToolsFixture : public ::testing::Test {
protected:
    ScriptToolsFixture() {
        app.dialogs = &dialogs;
        app.frame = &frame;
        app.commands = &commands;
    }
    ~ScriptToolsFixture() override {
        // Windows, dialogs and consoles the test left open; deleting one may delete others.
        QList<QPointer<QWidget>> open;
        for (QWidget* w : QApplication::topLevelWidgets()) open << w;
        for (const QPointer<QWidget>& w : open) delete w.data();
    }

    // A window of the kind holding the text, activated (so it is the current one of its kind);
    // unmodified, as a file just opened.
    PlainScriptWindow* openWindow(WindowKind kind, const QByteArray& text, const QString& caption) {
        auto* window = new PlainScriptWindow(app, kind);
        window->setCaption(caption);
        window->pane().SetText(text);
        window->setModifiedTag(QStringLiteral("s"));
        window->show();
        window->activate();
        dialogs.watched = &window->pane();
        return window;
    }

    AppState app;
    SelectionNotingDialogs dialogs;
    RecordingFrame frame;
    CommandRegistry commands;
};
