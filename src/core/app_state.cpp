#include "core/app_state.h"

#include "core/editor_window.h"

EditorWindow* AppState::activeWindow() const {
    return currentWindow(WindowKind(activeWindowKind));
}

EditorWindow* AppState::currentWindow(WindowKind kind) const {
    switch (kind) {
    case KindHtml: return currentHtmlWindow.data();
    case KindVbscript: return currentVbscriptWindow.data();
    case KindJscript: return currentJscriptWindow.data();
    case KindJava: return currentJavaWindow.data();
    case KindDocument: return currentDocumentWindow.data();
    default: return nullptr;
    }
}
