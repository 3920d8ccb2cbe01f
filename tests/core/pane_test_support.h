#pragma once
// Records the pane events for the pane tests.
#include <vector>

#include "support/editor_fixture.h"

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
