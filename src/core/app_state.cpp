#include "core/app_state.h"

#include <stdexcept>

#include "core/editor_window.h"
#include "core/frame.h"
#include "platform/speaker.h"

QWidget* AppState::frameWidget() const { return frame ? frame->frameWidget() : nullptr; }

EditorWindow* AppState::activeWindow() const {
    return currentWindow(WindowKind(activeWindowKind));
}

namespace {
// The reference of a kind; kinds outside 1-5 have none.
template <class State>
auto* referenceOf(State& app, WindowKind kind) {
    switch (kind) {
    case KindHtml: return &app.currentHtmlWindow;
    case KindVbscript: return &app.currentVbscriptWindow;
    case KindJscript: return &app.currentJscriptWindow;
    case KindJava: return &app.currentJavaWindow;
    case KindDocument: return &app.currentDocumentWindow;
    default: return static_cast<decltype(&app.currentHtmlWindow)>(nullptr);
    }
}
}  // namespace

EditorWindow* AppState::currentWindow(WindowKind kind) const {
    const auto* reference = referenceOf(*this, kind);
    return reference ? reference->data() : nullptr;
}

QPointer<EditorWindow>& AppState::currentWindowOf(WindowKind kind) {
    auto* reference = referenceOf(*this, kind);
    return reference ? *reference : currentHtmlWindow;
}

void speakIfOn(AppState& app, const QString& text) {
    if (!app.speakMessages || !app.speaker) return;
    try {
        app.speaker->Speak(text);
    } catch (const std::exception&) {
        // The message box that follows says the same.
    }
}
