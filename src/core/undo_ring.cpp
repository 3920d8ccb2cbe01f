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

// How the stretch `was` differs from `now` where both sit between `head` and `tail` unchanged
// bytes: the piece that holds `was`, trimmed to the bytes that really differ.
Piece trimmed(int head, int tail, QByteArrayView was, QByteArrayView now) {
    const qsizetype common = std::min(was.size(), now.size());
    const int same = int(std::mismatch(was.begin(), was.begin() + common, now.begin()).first - was.begin());
    const auto wasEnd = std::make_reverse_iterator(was.end());
    const int sameEnd = int(
        std::mismatch(wasEnd, wasEnd + (common - same), std::make_reverse_iterator(now.end())).first -
        wasEnd);
    return {head + same, tail + sameEnd, was.sliced(same, was.size() - same - sameEnd).toByteArray()};
}

// Replaces the middle of `whole` between head and tail by `middle` and returns what was there,
// trimmed to the bytes that really differ, so that the neighbour can be rebuilt from it.
Piece splice(QByteArray& whole, int head, int tail, const QByteArray& middle) {
    const Piece old = trimmed(head, tail, QByteArrayView(whole).sliced(head, whole.size() - head - tail),
                              middle);
    const int same = old.head - head;
    const qsizetype newSize = middle.size() - same - (old.tail - tail);
    whole.replace(old.head, old.middle.size(), middle.constData() + same, newSize);
    return old;
}

Piece splice(QByteArray& whole, const Piece& piece) {
    return splice(whole, piece.head, piece.tail, piece.middle);
}

// The piece that turns `from` into `to`.
Piece difference(const QByteArray& from, const QByteArray& to) { return trimmed(0, 0, to, from); }

Piece widened(Piece piece, int head, int tail) {
    piece.head += head;
    piece.tail += tail;
    return piece;
}

size_t held(const QByteArray& bytes) { return size_t(bytes.capacity()); }
}  // namespace

struct UndoRing::Impl {
    // The newest or last restored snapshot is the whole one: it is the pane as last marked,
    // read back through the pane (which keeps what its changed stretch held), never copied.
    // Every other snapshot holds only how it differs from its neighbour on the way there.
    struct Slot {
        enum State { Empty, Whole, Difference } state = Empty;
        Piece text;
        Piece attributes;
        int selStart = 0;
        int selLength = 0;
    };

    Impl(EditorPane& p, std::function<void(bool)> undoReport, std::function<void(bool)> redoReport)
        : pane(p), reportUndo(std::move(undoReport)), reportRedo(std::move(redoReport)) {}

    PaneSnapshot wholeStretch(int head, int tail) const;
    bool sameAsWhole() const;
    bool paneDiffersFromWhole() const;
    void storeAt(int slot, const PaneChanges& changes, bool afterWhole);
    void freeUnreachable();
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
    // Whether `floor` differs from the whole snapshot, once asked: asking reads the whole page.
    mutable std::optional<bool> floorDiffers;
};

// Positions [head, its length - tail) of the whole snapshot. Where the pane changed since the
// mark, `head` and `tail` lie outside the changed stretch.
PaneSnapshot UndoRing::Impl::wholeStretch(int head, int tail) const {
    const PaneChanges changes = pane.changesSinceMark();
    const int length = pane.TextLength();
    PaneSnapshot stretch;
    if (!changes.any) {
        stretch = pane.SnapshotRange(head, length - tail);
    } else {
        const PaneSnapshot front = pane.SnapshotRange(head, changes.head);
        const PaneSnapshot marked = pane.markedStretch();
        const PaneSnapshot back = pane.SnapshotRange(length - changes.tail, length - tail);
        stretch.text = front.text + marked.text + back.text;
        stretch.attributes = front.attributes + marked.attributes + back.attributes;
    }
    stretch.selStart = ring[whole].selStart;
    stretch.selLength = ring[whole].selLength;
    return stretch;
}

// Compares the stretch of the pane that changed since the whole snapshot was taken with what
// it held then, reading no more of the pane than it must.
bool UndoRing::Impl::sameAsWhole() const {
    const PaneChanges changes = pane.changesSinceMark();
    const PaneSnapshot marked = pane.markedStretch();
    const int from = changes.head;
    const int to = pane.TextLength() - changes.tail;
    if (to - from != marked.text.size()) return false;
    return pane.scanText(from, to) == marked.text &&
           pane.SnapshotRange(from, to).attributes == marked.attributes;
}

// With `afterWhole` the previous snapshot is the whole one: it becomes its difference from the
// pane's changed stretch.
void UndoRing::Impl::storeAt(int slot, const PaneChanges& changes, bool afterWhole) {
    if (afterWhole) {
        const int width = pane.attributeBytes();
        const PaneSnapshot marked = pane.markedStretch();
        const int from = changes.head;
        const int to = pane.TextLength() - changes.tail;
        // The difference keeps what the stretch held; what it holds now is read only where the
        // two can share bytes (none when the stretch held nothing, as on opening a file).
        const QByteArray text = pane.scanText(from, to);
        const QByteArray attributes =
            marked.attributes.isEmpty() ? QByteArray() : pane.SnapshotRange(from, to).attributes;
        Slot& old = ring[before(slot)];
        old.state = Slot::Difference;
        old.text = trimmed(changes.head, changes.tail, marked.text,
                           text);
        old.attributes = trimmed(changes.head * width, changes.tail * width, marked.attributes,
                                 attributes);
    }
    Slot& fresh = ring[slot];
    fresh = Slot{};
    fresh.state = Slot::Whole;
    fresh.selStart = pane.SelStart();
    fresh.selLength = pane.SelLength();
    whole = slot;
    floorDiffers.reset();
    pane.markUnchanged();
}

// Only the snapshots that undo can still reach are kept: the whole one and those behind it
// up to the undo depth. Everything ahead was left for redo, which a new snapshot ends.
void UndoRing::Impl::freeUnreachable() {
    int slot = whole;
    for (int kept = 0; kept < Slots; ++kept, slot = before(slot))
        if (kept >= undoDepth) ring[slot] = Slot{};
}

// Puts snapshot `slot` (a neighbour of the whole one) into the pane and makes it the whole
// one, replacing only the stretch where pane and snapshot can differ.
void UndoRing::Impl::restore(int slot) {
    if (ring[slot].state != Slot::Difference || whole < 0) return;
    Slot& target = ring[slot];
    const PaneChanges changes = pane.changesSinceMark();
    const int width = pane.attributeBytes();
    int head = std::min(target.text.head, target.attributes.head / width);
    int tail = std::min(target.text.tail, target.attributes.tail / width);
    if (changes.any) {
        head = std::min(head, changes.head);
        tail = std::min(tail, changes.tail);
    }
    PaneSnapshot piece = wholeStretch(head, tail);
    Slot& old = ring[whole];
    old.text = widened(splice(piece.text, target.text.head - head, target.text.tail - tail,
                              target.text.middle),
                       head, tail);
    old.attributes = widened(splice(piece.attributes, target.attributes.head - head * width,
                                    target.attributes.tail - tail * width, target.attributes.middle),
                             head * width, tail * width);
    old.state = Slot::Difference;
    target.text = Piece{};
    target.attributes = Piece{};
    target.state = Slot::Whole;
    whole = slot;
    floorDiffers.reset();

    piece.selStart = target.selStart;
    piece.selLength = target.selLength;
    pane.RestoreRange(head, pane.TextLength() - tail, piece);
    pane.markUnchanged();
}

// Whether the pane holds edits that undo would first take as a snapshot of their own.
bool UndoRing::Impl::paneDiffersFromWhole() const {
    const PaneChanges changes = pane.changesSinceMark();
    if (whole < 0 || !changes.any) return false;
    return !sameAsWhole();
}

// Before the document as opened leaves undo's reach (the whole snapshot moving to `wholeAfter`
// with `depthAfter` snapshots reachable), it is rebuilt from the differences that still lead
// to it and kept aside.
void UndoRing::Impl::keepFloorIfLeaving(int wholeAfter, int depthAfter) {
    if (floorSlot < 0 || stepsBack(wholeAfter, floorSlot) < depthAfter) return;
    if (!floor) {
        PaneSnapshot opened = wholeStretch(0, 0);
        for (int slot = before(whole);; slot = before(slot)) {
            splice(opened.text, ring[slot].text);
            splice(opened.attributes, ring[slot].attributes);
            if (slot == floorSlot) break;
        }
        opened.selStart = ring[floorSlot].selStart;
        opened.selLength = ring[floorSlot].selLength;
        floor = std::move(opened);
        floorDiffers.reset();
    }
    floorSlot = -1;
}

// The document as opened lies below the oldest snapshot undo can reach, and differs from it.
bool UndoRing::Impl::floorBelow() const {
    if (floorSlot >= 0 || !floor || whole < 0) return false;
    if (!floorDiffers) {
        const PaneSnapshot now = wholeStretch(0, 0);
        floorDiffers = floor->text != now.text || floor->attributes != now.attributes;
    }
    return *floorDiffers;
}

// Puts the kept document as opened back into the ring, just behind the oldest snapshot.
void UndoRing::Impl::bringFloorBack() {
    const PaneSnapshot now = wholeStretch(0, 0);
    const int slot = before(whole);
    Slot& back = ring[slot];
    back.state = Slot::Difference;
    back.text = difference(now.text, floor->text);
    back.attributes = difference(now.attributes, floor->attributes);
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
    const bool first = d->whole < 0;
    const bool afterWhole = !first && d->whole == before(d->next);
    if (afterWhole && (!changes.any || d->sameAsWhole())) {
        d->pane.markUnchanged();
        return d->report(false);
    }
    const int slot = d->next;
    const int depth = std::min(d->undoDepth + 1, MaxDepth);
    d->keepFloorIfLeaving(slot, depth);
    d->storeAt(slot, changes, afterWhole);
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

void UndoRing::revert() {
    const PaneChanges changes = d->pane.changesSinceMark();
    if (d->whole < 0 || !changes.any) return;
    PaneSnapshot marked = d->pane.markedStretch();
    marked.selStart = d->ring[d->whole].selStart;
    marked.selLength = d->ring[d->whole].selLength;
    d->restoring = true;
    d->pane.RestoreRange(changes.head, d->pane.TextLength() - changes.tail, marked);
    d->pane.markUnchanged();
    d->restoring = false;
    d->report(true);
}

void UndoRing::clear() {
    d->ring.fill(Impl::Slot{});
    d->whole = -1;
    d->next = 0;
    d->undoDepth = 0;
    d->redoDepth = 0;
    d->floorSlot = -1;
    d->floor.reset();
    d->floorDiffers.reset();
    d->report(true);
}

bool UndoRing::restoring() const { return d->restoring; }
bool UndoRing::canUndo() const { return d->canUndo; }
bool UndoRing::canRedo() const { return d->canRedo; }
int UndoRing::undoDepth() const { return d->undoDepth; }
int UndoRing::redoDepth() const { return d->redoDepth; }

size_t UndoRing::bytesHeld() const {
    size_t total = 0;
    if (d->floor) total += held(d->floor->text) + held(d->floor->attributes);
    for (const Impl::Slot& slot : d->ring)
        total += held(slot.text.middle) + held(slot.attributes.middle);
    return total;
}
