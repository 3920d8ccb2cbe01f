#pragma once
// What editor windows, dialogs and palettes may ask of the main window. Windows never include
// the main window itself, and the frame knows its children only as widgets of a kind: the
// dependency runs from the windows to the frame, never back.
#include <QPoint>
#include <QString>
#include <QStringList>

#include "core/window_kind.h"

class QWidget;

// What the enabling rules look at when a window is activated.
struct WindowCommandState {
    bool modified = false;       // Save
    bool selection = false;      // Cut, Copy, Delete
    bool clipboardText = false;  // Paste
    bool canUndo = false;
    bool canRedo = false;
};

class Frame {
public:
    virtual ~Frame() = default;
    // Menu commands by their menu-item name ("Save", "Undo", "split", "ln", ...).
    virtual void setCommandEnabled(const QString& name, bool enabled) = 0;
    virtual bool isCommandEnabled(const QString& name) const = 0;
    virtual void setCommandChecked(const QString& name, bool checked) = 0;
    virtual bool isCommandChecked(const QString& name) const = 0;
    // Toolbar buttons by index (1..30).
    virtual void setToolbarButtonEnabled(int index, bool enabled) = 0;
    virtual bool isToolbarButtonEnabled(int index) const = 0;

    // A window was activated: it has set activeWindowKind and its kind's current window;
    // the frame applies the enabling rules of that kind (the clipboard it reads itself).
    virtual void windowActivated(WindowKind kind, const WindowCommandState& state) = 0;
    // A window of this kind is being unloaded: disable the commands that need it.
    virtual void windowUnloaded(WindowKind kind) = 0;

    // Hide, and show again, every palette whose View > Toolbox item is checked.
    virtual void hidePalettes() = 0;
    virtual void showPalettes() = 0;
    virtual void popupEditMenu(const QPoint& globalPos) = 0;

    // Adds a created editor window to the frame, shows and activates it.
    virtual void showChild(QWidget* window) = 0;
    // Opens each file the way File > Open does for its kind.
    virtual void openFiles(const QStringList& paths) = 0;

    // The frame's active child window, for the page wizard.
    virtual QWidget* activeChild() const = 0;
    // The open window whose file is the one at path (however the path names it), or null.
    virtual QWidget* windowOfFile(const QString& path) const = 0;
    // Activates the window, restoring it (and the frame) when minimised.
    virtual void bringForward(QWidget* window) = 0;
    // Parent widget for modal dialogs.
    virtual QWidget* frameWidget() = 0;
};

// Palettes stay on top of everything, so they are put away while a common dialog is up.
class PalettesAway {
public:
    explicit PalettesAway(Frame* frame) : frame_(frame) {
        if (frame_) frame_->hidePalettes();
    }
    ~PalettesAway() {
        if (frame_) frame_->showPalettes();
    }
    PalettesAway(const PalettesAway&) = delete;
    PalettesAway& operator=(const PalettesAway&) = delete;

private:
    Frame* frame_;
};
