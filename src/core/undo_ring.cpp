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
// How many steps back from `from` slot `to` lies.
int stepsBack(int from, int to) { return (from - to + UndoRing::Slots) % UndoRing::Slots; }

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

// The piece that turns `from` into `to`.
Piece difference(const QByteArray& from, const QByteArray& to) {
    QByteArray scratch = to;
    return splice(scratch, 0, 0, from);
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
    bool paneDiffersFromWhole() const;
    void storeAt(int slot, const PaneChanges& changes, const PaneSnapshot* changed);
    void freeUnreachable();
    void moveWholeTo(int slot);
    void restore(int slot);
    void keepFloorIfLeaving(int wholeAfter, int depthAfter);
    bool floorBelow() const;
    void bringFloorBack();
    void endRedoIfEdited();
    // Tells the commands' state; `always` repeats what did not change, so that a window
    // coming back from Doundo switched off gets its commands enabled again.
    void report(bool always);

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
    // The document as opened stays within Undo's reach: while undo can reach its slot it is
    // `floorSlot`; once newer snapshots push it out, a whole copy is kept in `floor`.
    int floorSlot = -1;
    std::optional<PaneSnapshot> floor;
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

// Whether the pane holds edits that undo would first take as a snapshot of their own.
bool UndoRing::Impl::paneDiffersFromWhole() const {
    const PaneChanges changes = pane.changesSinceMark();
    if (whole < 0 || !changes.any) return false;
    if (pane.TextLength() != wholeText.size()) return true;
    return !sameAsWhole(changes, pane.SnapshotRange(changes.head, pane.TextLength() - changes.tail));
}

// Before the document as opened leaves undo's reach (the whole snapshot moving to `wholeAfter`
// with `depthAfter` snapshots reachable), it is rebuilt from the differences that still lead
// to it and kept aside.
void UndoRing::Impl::keepFloorIfLeaving(int wholeAfter, int depthAfter) {
    if (floorSlot < 0 || stepsBack(wholeAfter, floorSlot) < depthAfter) return;
    if (!floor) {
        PaneSnapshot opened{wholeText, wholeAttributes, 0, 0};
        for (int slot = before(whole);; slot = before(slot)) {
            splice(opened.text, ring[slot].text);
            splice(opened.attributes, ring[slot].attributes);
            if (slot == floorSlot) break;
        }
        opened.selStart = ring[floorSlot].selStart;
        opened.selLength = ring[floorSlot].selLength;
        floor = std::move(opened);
    }
    floorSlot = -1;
}

// The document as opened lies below the oldest snapshot undo can reach, and differs from it.
bool UndoRing::Impl::floorBelow() const {
    return floorSlot < 0 && floor && whole >= 0 &&
           (floor->text != wholeText || floor->attributes != wholeAttributes);
}

// Puts the kept document as opened back into the ring, just behind the oldest snapshot.
void UndoRing::Impl::bringFloorBack() {
    const int slot = before(whole);
    Slot& back = ring[slot];
    back.state = Slot::Difference;
    back.text = difference(wholeText, floor->text);
    back.attributes = difference(wholeAttributes, floor->attributes);
    back.selStart = floor->selStart;
    back.selLength = floor->selLength;
    floorSlot = slot;
    undoDepth += 1;
}

void UndoRing::Impl::report(bool always) {
    const bool undoable =
        undoDepth >= 2 || (undoDepth == 1 && (paneDiffersFromWhole() || floorBelow()));
    const bool redoable = redoDepth > 0;
    if (always || undoable != canUndo) {
        canUndo = undoable;
        if (reportUndo) reportUndo(undoable);
    }
    if (always || redoable != canRedo) {
        canRedo = redoable;
        if (reportRedo) reportRedo(redoable);
    }
}

UndoRing::UndoRing(EditorPane& pane, std::function<void(bool)> reportUndo,
                   std::function<void(bool)> reportRedo)
    : d(std::make_unique<Impl>(pane, std::move(reportUndo), std::move(reportRedo))) {}

UndoRing::~UndoRing() = default;

void UndoRing::take() {
    const PaneChanges changes = d->pane.changesSinceMark();
    std::optional<PaneSnapshot> changed;
    const bool first = d->whole < 0;
    if (d->whole == before(d->next)) {
        // Read once: compared with the whole snapshot, then spliced into it when it differs.
        if (changes.any)
            changed = d->pane.SnapshotRange(changes.head, d->pane.TextLength() - changes.tail);
        if (!changed || d->sameAsWhole(changes, *changed)) {
            d->pane.markUnchanged();
            return d->report(false);
        }
    }
    const int slot = d->next;
    const int depth = std::min(d->undoDepth + 1, MaxDepth);
    d->keepFloorIfLeaving(slot, depth);
    d->storeAt(slot, changes, changed ? &*changed : nullptr);
    if (first) d->floorSlot = slot;
    d->next = after(slot);
    d->undoDepth = depth;
    d->redoDepth = 0;
    d->freeUnreachable();
    d->report(true);
}

void UndoRing::undo() {
    if (d->redoDepth == 0) take();
    if (d->undoDepth == 1 && d->floorBelow()) d->bringFloorBack();
    if (d->undoDepth < 2) return d->report(true);
    d->restoring = true;
    d->redoDepth += 1;
    d->next = before(d->next);
    d->restore(before(d->next));
    d->undoDepth -= 1;
    d->restoring = false;
    d->report(true);
}

// Ends the redo branch when the pane was edited since the last undo or redo.
void UndoRing::Impl::endRedoIfEdited() {
    if (redoDepth == 0 || !paneDiffersFromWhole()) return;
    redoDepth = 0;
    freeUnreachable();
}

void UndoRing::redo() {
    // Edits normally end the branch as they happen (edited()); these came while the history
    // was switched off.
    d->endRedoIfEdited();
    if (d->redoDepth == 0) return d->report(true);
    d->restoring = true;
    d->next = after(d->next);
    d->restore(before(d->next));
    d->redoDepth -= 1;
    d->keepFloorIfLeaving(d->whole, std::min(d->undoDepth + 1, MaxDepth));
    d->undoDepth = std::min(d->undoDepth + 1, MaxDepth);
    d->restoring = false;
    d->report(true);
}

void UndoRing::edited() {
    if (d->restoring || d->whole < 0) return;
    // Typing after an undo ends the redo branch: the snapshot undo went back to stays as the
    // step before the typing, and redo can no longer put older text over it.
    if (d->redoDepth == 0 && d->undoDepth >= 2) return;  // undo is on already and stays on
    d->endRedoIfEdited();
    d->report(false);
}

void UndoRing::clear() {
    d->ring.fill(Impl::Slot{});
    d->wholeText = QByteArray();
    d->wholeAttributes = QByteArray();
    d->whole = -1;
    d->next = 0;
    d->undoDepth = 0;
    d->redoDepth = 0;
    d->floorSlot = -1;
    d->floor.reset();
    d->report(true);
}

bool UndoRing::restoring() const { return d->restoring; }
bool UndoRing::canUndo() const { return d->canUndo; }
bool UndoRing::canRedo() const { return d->canRedo; }
int UndoRing::undoDepth() const { return d->undoDepth; }
int UndoRing::redoDepth() const { return d->redoDepth; }

size_t UndoRing::bytesHeld() const {
    size_t total = held(d->wholeText) + held(d->wholeAttributes);
    if (d->floor) total += held(d->floor->text) + held(d->floor->attributes);
    for (const Impl::Slot& slot : d->ring)
        total += held(slot.text.middle) + held(slot.attributes.middle);
    return total;
}
