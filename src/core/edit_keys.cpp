#include "core/edit_keys.h"

#include "core/editor_window.h"
#include "core/frame.h"

bool handleEditShortcut(EditorWindow& window, int& keyCode, Qt::KeyboardModifiers shift) {
    if (shift & Qt::ControlModifier) {
        switch (keyCode) {
        case Qt::Key_V: window.pasteFromClipboard(); break;
        case Qt::Key_Z:
            // Ctrl+Shift+Z is the second Redo key.
            if (shift & Qt::ShiftModifier) window.redo_code();
            else window.undo_code();
            break;
        case Qt::Key_R: window.redo_code(); break;
        default: return false;
        }
    } else if ((shift & Qt::ShiftModifier) && keyCode == Qt::Key_Insert) {
        window.pasteFromClipboard();
    } else {
        return false;
    }
    keyCode = 0;
    return true;
}

void popupEditMenuAt(EditorWindow& window, const QPoint& panePos) {
    if (Frame* frame = window.app().frame)
        frame->popupEditMenu(window.pane().widget()->mapToGlobal(panePos));
}
