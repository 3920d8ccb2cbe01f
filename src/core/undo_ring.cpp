#include "core/undo_ring.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>

namespace {
constexpr int MaxDepth = UndoRing::Slots - 1;

int before(int slot) { return (slot + UndoRing::Slots - 1) % UndoRing::Slots; }
int after(int slot) { return (slot + 1) % UndoRing::Slots; }

// A stretch of one snapshot against its neighbour: both share `head` bytes at the start and
// `tail` bytes at the end, and differ by `middle`.
struct Piece {
    int head = 0;
    int tail = 0;
    QByteArray middle;
};

// Replaces the middle of `whole` between head and tail by `middle` and returns what was there,
// trimmed to the bytes that really differ, so that the neighbour can be rebuilt from it.
Piece splice(QByteArray& whole, int head, int tail, const QByteArray& middle) {
    const int oldSize = int(whole.size()) - head - tail;
    const int newSize = int(middle.size());
    const int common = std::min(oldSize, newSize);
    // Read through const pointers: indexing the mutable array would check for sharing per byte.
    const char* oldBytes = std::as_const(whole).constData() + head;
    const char* newBytes = middle.constData();
    const int same = int(std::mismatch(oldBytes, oldBytes + common, newBytes).first - oldBytes);
    const auto oldEnd = std::make_reverse_iterator(oldBytes + oldSize);
    const int sameEnd = int(
        std::mismatch(oldEnd, oldEnd + (common - same), std::make_reverse_iterator(newBytes + newSize))
            .first -
        oldEnd);
    Piece old{head + same, tail + sameEnd, whole.mid(head + same, oldSize - same - sameEnd)};
    const qsizetype resultSize = whole.size() - old.middle.size() + (newSize - same - sameEnd);
    // Grow with a little room to spare, so that a run of one-byte insertions into a large page
    // reallocates rarely and the ring holds little more than the page itself.
    if (resultSize > whole.capacity()) whole.reserve(resultSize + std::max<qsizetype>(4096, resultSize / 32));
    whole.replace(old.head, old.middle.size(), middle.constData() + same,
                  newSize - same - sameEnd);
    return old;
}

Piece splice(QByteArray& whole, const Piece& piece) {
    return splice(whole, piece.head, piece.tail, piece.middle);
}

size_t held(const QByteArray& bytes) { return size_t(bytes.capacity()); }
}  // namespace

struct UndoRing::Impl {
    // The newest or last restored snapshot is kept whole; every other one holds only how it
    // differs from its neighbour on the way to that one.
    struct Slot {
        enum State { Empty, Whole, Difference } state = Empty;
        Piece text;
        Piece attributes;
        int selStart = 0;
        int selLength = 0;
    };

    Impl(EditorPane& p, std::function<void(bool)> undoReport, std::function<void(bool)> redoReport)
        : pane(p), reportUndo(std::move(undoReport)), reportRedo(std::move(redoReport)) {}

    bool sameAsWhole(const PaneChanges& changes, const PaneSnapshot& now) const;
    void storeAt(int slot, const PaneChanges& changes, const PaneSnapshot* changed);
    void freeUnreachable();
    void moveWholeTo(int slot);
    void restore(int slot);
    void setCanUndo(bool on) {
        canUndo = on;
        if (reportUndo) reportUndo(on);
    }
    void setCanRedo(bool on) {
        canRedo = on;
        if (reportRedo) reportRedo(on);
    }

    EditorPane& pane;
    std::function<void(bool)> reportUndo;
    std::function<void(bool)> reportRedo;
    std::array<Slot, Slots> ring;
    QByteArray wholeText;
    QByteArray wholeAttributes;
    int whole = -1;
    int next = 0;
    int undoDepth = 0;
    int redoDepth = 0;
    bool canUndo = false;
    bool canRedo = false;
    bool restoring = false;
};

// Compares the stretch of the pane that changed since the whole snapshot was taken.
bool UndoRing::Impl::sameAsWhole(const PaneChanges& changes, const PaneSnapshot& now) const {
    const int width = pane.attributeBytes();
    const int wholeMiddle = int(wholeText.size()) - changes.head - changes.tail;
    return wholeMiddle >= 0 &&
           QByteArrayView(now.text) ==
               QByteArrayView(wholeText).sliced(changes.head, wholeMiddle) &&
           QByteArrayView(now.attributes) ==
               QByteArrayView(wholeAttributes).sliced(changes.head * width, wholeMiddle * width);
}

// `changed` is the stretch that changed since the previous snapshot, when that one is whole.
void UndoRing::Impl::storeAt(int slot, const PaneChanges& changes, const PaneSnapshot* changed) {
    if (changed) {
        // Only the changed stretch was read; the old whole snapshot becomes its difference.
        const int width = pane.attributeBytes();
        Slot& old = ring[before(slot)];
        old.state = Slot::Difference;
        old.text = splice(wholeText, changes.head, changes.tail, changed->text);
        old.attributes = splice(wholeAttributes, changes.head * width, changes.tail * width,
                                changed->attributes);
    } else {
        const PaneSnapshot all = pane.Snapshot();
        wholeText = all.text;
        wholeAttributes = all.attributes;
    }
    Slot& fresh = ring[slot];
    fresh = Slot{};
    fresh.state = Slot::Whole;
    fresh.selStart = pane.SelStart();
    fresh.selLength = pane.SelLength();
    whole = slot;
    pane.markUnchanged();
}

// Only the snapshots that undo can still reach are kept: the whole one and those behind it
// up to the undo depth. Everything ahead was left for redo, which a new snapshot ends.
void UndoRing::Impl::freeUnreachable() {
    int slot = whole;
    for (int kept = 0; kept < Slots; ++kept, slot = before(slot))
        if (kept >= undoDepth) ring[slot] = Slot{};
}

// Makes the neighbour `slot` of the whole snapshot the whole one.
void UndoRing::Impl::moveWholeTo(int slot) {
    Slot& target = ring[slot];
    Slot& old = ring[whole];
    old.text = splice(wholeText, target.text);
    old.attributes = splice(wholeAttributes, target.attributes);
    old.state = Slot::Difference;
    target.text = Piece{};
    target.attributes = Piece{};
    target.state = Slot::Whole;
    whole = slot;
}

// Puts snapshot `slot` (a neighbour of the whole one) into the pane, replacing only the
// stretch where pane and snapshot can differ.
void UndoRing::Impl::restore(int slot) {
    if (ring[slot].state != Slot::Difference || whole < 0) return;
    const Piece textStep = ring[slot].text;
    const Piece attributeStep = ring[slot].attributes;
    const PaneChanges changes = pane.changesSinceMark();
    moveWholeTo(slot);

    const int width = pane.attributeBytes();
    const int paneLength = pane.TextLength();
    const int wholeLength = int(wholeText.size());
    int head = std::min({changes.head, textStep.head, attributeStep.head / width});
    int tail = std::min({changes.tail, textStep.tail, attributeStep.tail / width});
    if (!changes.any) {
        head = std::min(textStep.head, attributeStep.head / width);
        tail = std::min(textStep.tail, attributeStep.tail / width);
    }
    head = std::clamp(head, 0, std::min(paneLength, wholeLength));
    tail = std::clamp(tail, 0, std::min(paneLength, wholeLength) - head);

    const Slot& target = ring[slot];
    PaneSnapshot piece;
    piece.text = wholeText.mid(head, wholeLength - head - tail);
    piece.attributes = wholeAttributes.mid(head * width, (wholeLength - head - tail) * width);
    piece.selStart = target.selStart;
    piece.selLength = target.selLength;
    pane.RestoreRange(head, paneLength - tail, piece);
    pane.markUnchanged();
}

UndoRing::UndoRing(EditorPane& pane, std::function<void(bool)> reportUndo,
                   std::function<void(bool)> reportRedo)
    : d(std::make_unique<Impl>(pane, std::move(reportUndo), std::move(reportRedo))) {}

UndoRing::~UndoRing() = default;

void UndoRing::take() {
    const PaneChanges changes = d->pane.changesSinceMark();
    std::optional<PaneSnapshot> changed;
    if (d->whole == before(d->next)) {
        if (!changes.any) return d->pane.markUnchanged();
        // Read once: compared with the whole snapshot, then spliced into it when it differs.
        changed = d->pane.SnapshotRange(changes.head, d->pane.TextLength() - changes.tail);
        if (d->sameAsWhole(changes, *changed)) return d->pane.markUnchanged();
    }
    const int slot = d->next;
    d->storeAt(slot, changes, changed ? &*changed : nullptr);
    d->next = after(slot);
    d->undoDepth = std::min(d->undoDepth + 1, MaxDepth);
    d->redoDepth = 0;
    d->freeUnreachable();
    d->setCanRedo(false);
    if (d->undoDepth >= 2) d->setCanUndo(true);
}

void UndoRing::undo() {
    // The present state is kept for redo when it is not in the ring yet: after an edit, and
    // after typing that followed an undo (the steps that redo offered before are then gone).
    take();
    if (!d->canUndo) return;
    d->restoring = true;
    d->redoDepth += 1;
    d->next = before(d->next);
    d->restore(before(d->next));
    d->undoDepth -= 1;
    if (d->undoDepth < 2) d->setCanUndo(false);
    d->restoring = false;
    d->setCanRedo(true);
}

void UndoRing::redo() {
    if (!d->canRedo) return;
    d->restoring = true;
    d->next = after(d->next);
    d->restore(before(d->next));
    d->redoDepth -= 1;
    d->setCanUndo(true);
    if (d->redoDepth == 0) d->setCanRedo(false);
    d->undoDepth = std::min(d->undoDepth + 1, MaxDepth);
    d->restoring = false;
}

void UndoRing::clear() {
    d->ring.fill(Impl::Slot{});
    d->wholeText = QByteArray();
    d->wholeAttributes = QByteArray();
    d->whole = -1;
    d->next = 0;
    d->undoDepth = 0;
    d->redoDepth = 0;
    d->setCanUndo(false);
    d->setCanRedo(false);
}

bool UndoRing::restoring() const { return d->restoring; }
bool UndoRing::canUndo() const { return d->canUndo; }
bool UndoRing::canRedo() const { return d->canRedo; }
int UndoRing::undoDepth() const { return d->undoDepth; }
int UndoRing::redoDepth() const { return d->redoDepth; }

size_t UndoRing::bytesHeld() const {
    size_t total = held(d->wholeText) + held(d->wholeAttributes);
    for (const Impl::Slot& slot : d->ring)
        total += held(slot.text.middle) + held(slot.attributes.middle);
    return total;
}
