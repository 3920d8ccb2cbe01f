#pragma once
// Keeps the changed stretch of a pane since it was last marked unchanged, as the unchanged
// head and tail lengths, so that a snapshot after a small edit only looks at that stretch.
#include <algorithm>
#include <functional>
#include <utility>

#include "core/editor_pane.h"

class ChangeTracker {
public:
    // Reads positions [from, to) of the pane as they are now.
    using Reader = std::function<PaneSnapshot(int from, int to)>;

    ChangeTracker() = default;
    // A pane that tells of each change before it happens gives a reader: the tracker then
    // keeps what the changed stretch held at the mark, so nobody needs a copy of the rest.
    explicit ChangeTracker(Reader reader) : reader_(std::move(reader)) {}

    const PaneChanges& changes() const { return changes_; }
    // With a reader: what positions [head, length at the mark - tail) held at the mark.
    const PaneSnapshot& marked() const { return marked_; }
    void mark() {
        changes_ = PaneChanges{false, 0, 0};
        marked_ = PaneSnapshot{};
    }

    // Told after the fact: the text now holds `inserted` new positions at pos (after removing
    // some there), and is `lengthAfter` long.
    void edited(int pos, int inserted, int lengthAfter) {
        widen(pos, lengthAfter - (pos + inserted), lengthAfter);
    }
    // Told before: `removed` positions at pos of a text `length` long are about to be replaced.
    void editing(int pos, int removed, int length) { widen(pos, length - pos - removed, length); }
    // The attributes of [from, to) change (with a reader: are about to); the text is `length`
    // long.
    void restyled(int from, int to, int length) { widen(from, length - to, length); }

private:
    void widen(int head, int tail, int length) {
        if (!changes_.any) {
            if (reader_) marked_ = reader_(head, length - tail);
            changes_ = PaneChanges{true, head, tail};
            return;
        }
        if (reader_ && head < changes_.head) {
            const PaneSnapshot front = reader_(head, changes_.head);
            marked_.text.prepend(front.text);
            marked_.attributes.prepend(front.attributes);
        }
        if (reader_ && tail < changes_.tail) {
            const PaneSnapshot back = reader_(length - changes_.tail, length - tail);
            marked_.text.append(back.text);
            marked_.attributes.append(back.attributes);
        }
        changes_.head = std::min(changes_.head, head);
        changes_.tail = std::min(changes_.tail, tail);
    }

    Reader reader_;
    PaneChanges changes_;  // starts as "anything may have changed"
    PaneSnapshot marked_;
};

// For a pane told of its changes only after they happen: a copy of the pane as last marked,
// brought up to date at each mark by reading only the stretch that changed.
class MarkedCopy {
public:
    void update(const EditorPane& pane, const PaneChanges& changes) {
        if (!changes.any) return;
        const int width = pane.attributeBytes();
        const PaneSnapshot now = pane.SnapshotRange(changes.head, pane.TextLength() - changes.tail);
        const int middle = int(copy_.text.size()) - changes.head - changes.tail;
        copy_.text.replace(changes.head, middle, now.text);
        copy_.attributes.replace(changes.head * width, middle * width, now.attributes);
    }
    PaneSnapshot stretch(const PaneChanges& changes, int width) const {
        if (!changes.any) return {};
        const int middle = int(copy_.text.size()) - changes.head - changes.tail;
        return {copy_.text.mid(changes.head, middle),
                copy_.attributes.mid(changes.head * width, middle * width), 0, 0};
    }

private:
    PaneSnapshot copy_;
};
