#pragma once

#include "palette/cCell.h"

#include <cstddef>
#include <vector>

// One undo step: the stored colours of all 16 cells as they were before a
// change, empty cells (-1) included, so that restoring it empties them again.
struct UndoInfo {
    PaletteColors colors {};
};

// The undo and redo stacks of one palette. Depth is unbounded: every recorded
// change costs one 64-byte snapshot and nothing trims the undo stack except
// undoing. Recording a new change makes everything undone unreachable.
class UndoHistory {
public:
    // Records the palette as it is before a change and empties the redo stack.
    void record(const PaletteColors &before);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

    // Pops the latest snapshot; `current` (the palette as it is now) goes onto
    // the redo stack. Only valid when canUndo().
    PaletteColors undo(const PaletteColors &current);
    // The mirror image of undo(). Only valid when canRedo().
    PaletteColors redo(const PaletteColors &current);

    void clear();

    // Entries count cells, not snapshots: 16 per snapshot.
    std::size_t undoEntryCount() const { return m_undo.size() * kPaletteCells; }
    std::size_t redoEntryCount() const { return m_redo.size() * kPaletteCells; }

private:
    std::vector<UndoInfo> m_undo;
    std::vector<UndoInfo> m_redo;
};
