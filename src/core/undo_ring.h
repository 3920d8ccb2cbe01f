#pragma once
// The undo history of one editor window: a ring of 60 whole-document snapshots with take,
// undo and redo. Consecutive snapshots share what is unchanged, so sixty snapshots of a large
// page cost little more than one. The first snapshot (the document as opened) is never lost:
// when newer ones push it out of the ring it is kept aside, and undo still ends there.
#include <functional>
#include <memory>

#include "core/editor_pane.h"

class UndoRing {
public:
    static constexpr int Slots = 60;

    // reportUndo / reportRedo are told the new enabled state of the Undo and Redo commands.
    UndoRing(EditorPane& pane, std::function<void(bool)> reportUndo,
             std::function<void(bool)> reportRedo);
    ~UndoRing();

    void take();  // backup_code
    void undo();  // undo_code
    void redo();  // redo_code
    // The pane's text was edited (not by undo or redo): that ends the redo branch, and may
    // give undo something to do.
    void edited();
    // Puts the pane back as the newest snapshot holds it, dropping what was edited since
    // (a Replace All the user cancelled).
    void revert();
    // Forgets every snapshot: the next take() starts the history afresh.
    void clear();

    bool restoring() const;
    bool canUndo() const;
    bool canRedo() const;
    int undoDepth() const;
    int redoDepth() const;
    size_t bytesHeld() const;  // memory held by the stored snapshots

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
