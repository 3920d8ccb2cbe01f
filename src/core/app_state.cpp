#include "core/app_state.h"

#include <stdexcept>

#include "core/editor_window.h"
#include "platform/speaker.h"

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

void speakIfOn(AppState& app, const QString& text) {
    if (!app.speakMessages || !app.speaker) return;
    try {
        app.speaker->Speak(text);
    } catch (const std::exception&) {
        // The message box that follows says the same.
    }
}
