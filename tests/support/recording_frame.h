#pragma once
// A Frame stand-in for tests: remembers the enabled and checked state of every command and
// toolbar button it is told about. Commands never mentioned count as enabled and checked,
// as the options are at start.
#include <QHash>
#include <QStringList>

#include "core/editor_window.h"
#include "core/frame.h"

class RecordingFrame : public Frame {
public:
    QHash<QString, bool> enabled;
    QHash<QString, bool> checked;
    QHash<int, bool> buttons;
    QStringList paletteEvents;  // "hide" and "show", in order
    EditorWindow* activeWindow = nullptr;
    QWidget* widget = nullptr;

    void setCommandEnabled(const QString& name, bool on) override { enabled[name] = on; }
    bool isCommandEnabled(const QString& name) const override { return enabled.value(name, true); }
    void setCommandChecked(const QString& name, bool on) override { checked[name] = on; }
    bool isCommandChecked(const QString& name) const override { return checked.value(name, true); }
    void setToolbarButtonEnabled(int index, bool on) override { buttons[index] = on; }
    bool isToolbarButtonEnabled(int index) const override { return buttons.value(index, true); }
    void windowActivated(WindowKind, const WindowCommandState&) override {}
    void windowUnloaded(WindowKind) override {}
    void hidePalettes() override { paletteEvents << QStringLiteral("hide"); }
    void showPalettes() override { paletteEvents << QStringLiteral("show"); }
    int editMenuPopups = 0;
    void popupEditMenu(const QPoint&) override { ++editMenuPopups; }
    QWidget* activeChild() const override { return activeWindow; }
    QWidget* windowOfFile(const QString&) const override { return nullptr; }
    QList<QWidget*> broughtForward;
    void bringForward(QWidget* window) override { broughtForward << window; }
    // Shown children are shown on their own; the test deletes them.
    QList<EditorWindow*> shownChildren;
    void showChild(QWidget* child) override {
        auto* window = qobject_cast<EditorWindow*>(child);
        shownChildren.append(window);
        window->show();
        window->activate();
    }
    QStringList openedFiles;
    void openFiles(const QStringList& paths) override { openedFiles += paths; }
    QWidget* frameWidget() override { return widget; }
};
