#pragma once
// What editor windows, dialogs and palettes may ask of the main window. Windows never include
// the main window itself.
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;
class EditorWindow;

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
    // the frame applies the enabling rules of that kind.
    virtual void windowActivated(EditorWindow* window) = 0;
    // A window of this kind is being unloaded: disable the commands that need it.
    virtual void windowUnloaded(EditorWindow* window) = 0;

    // Hide, and show again, every palette whose View > Toolbox item is checked.
    virtual void hidePalettes() = 0;
    virtual void showPalettes() = 0;
    virtual void popupEditMenu(const QPoint& globalPos) = 0;

    // Adds a created editor window to the frame, shows and activates it.
    virtual void showChild(EditorWindow* window) = 0;
    // Opens each file the way File > Open does for its kind.
    virtual void openFiles(const QStringList& paths) = 0;

    // The frame's active child window, for the page wizard.
    virtual EditorWindow* activeChild() const = 0;
    // The open window whose file is the one at path (however the path names it), or null.
    virtual EditorWindow* windowOfFile(const QString& path) const = 0;
    // Activates the window, restoring it (and the frame) when minimised.
    virtual void bringForward(EditorWindow* window) = 0;
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
