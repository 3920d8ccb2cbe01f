#pragma once
// Keeps the changed stretch of a pane since it was last marked unchanged, as the unchanged
// head and tail lengths, so that a snapshot after a small edit only looks at that stretch.
#include <algorithm>

#include "core/editor_pane.h"

class ChangeTracker {
public:
    const PaneChanges& changes() const { return changes_; }
    void mark() { changes_ = PaneChanges{false, 0, 0}; }

    // The text now holds `inserted` new positions at pos (after removing some there), and is
    // `lengthAfter` long.
    void edited(int pos, int inserted, int lengthAfter) {
        widen(pos, lengthAfter - (pos + inserted));
    }
    // The attributes of [from, to) changed; the text is `length` long.
    void restyled(int from, int to, int length) { widen(from, length - to); }

private:
    void widen(int head, int tail) {
        if (!changes_.any) {
            changes_ = PaneChanges{true, head, tail};
            return;
        }
        changes_.head = std::min(changes_.head, head);
        changes_.tail = std::min(changes_.tail, tail);
    }

    PaneChanges changes_;  // starts as "anything may have changed"
};
