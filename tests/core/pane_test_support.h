#pragma once
// Helpers shared by the pane tests: reading attributes byte by byte and recording events.
#include <vector>

#include "core/editor_window.h"
#include "core/scintilla_pane.h"

inline Rgb colourAt(EditorPane& pane, int pos) {
    const int start = pane.SelStart();
    const int length = pane.SelLength();
    pane.SetSelStart(pos);
    pane.SetSelLength(1);
    const Rgb colour = pane.SelColor();
    pane.SetSelStart(start);
    pane.SetSelLength(length);
    return colour;
}

inline std::vector<Rgb> coloursOf(EditorPane& pane) {
    std::vector<Rgb> colours;
    for (int pos = 0; pos < pane.TextLength(); ++pos) colours.push_back(colourAt(pane, pos));
    return colours;
}

// Records the events and whether an outside flag was raised when each arrived.
class RecordingEvents : public PaneEvents {
public:
    const bool* busy = nullptr;
    int changes = 0;
    int selChanges = 0;
    int changesWhileBusy = 0;
    std::vector<int> keysPressed;
    int replaceWith = -1;  // KeyPress answer: -1 leaves the key alone

    void Change() override {
        ++changes;
        if (busy && *busy) ++changesWhileBusy;
    }
    void SelChange() override { ++selChanges; }
    void KeyPress(int& key) override {
        keysPressed.push_back(key);
        if (replaceWith >= 0) key = replaceWith;
    }
};

// An editor window of the given kind with nothing but a code pane.
class StubWindow : public EditorWindow {
public:
    StubWindow(AppState& app, WindowKind kind,
               std::unique_ptr<EditorPane> pane = std::make_unique<ScintillaPane>())
        : EditorWindow(app, kind, std::move(pane)) {}
    bool SaveDocument() override { return true; }
    bool SaveDocumentAs() override { return true; }
    void refreshPreviewIfSplit() override { ++previews; }
    int previews = 0;
};
