#include "palette/UndoHistory.h"

#include <cassert>

void UndoHistory::record(const PaletteColors &before)
{
    m_undo.push_back(UndoInfo { before });
    m_redo.clear();
}

PaletteColors UndoHistory::undo(const PaletteColors &current)
{
    assert(canUndo());
    const PaletteColors restored = m_undo.back().colors;
    m_undo.pop_back();
    m_redo.push_back(UndoInfo { current });
    return restored;
}

PaletteColors UndoHistory::redo(const PaletteColors &current)
{
    assert(canRedo());
    const PaletteColors restored = m_redo.back().colors;
    m_redo.pop_back();
    m_undo.push_back(UndoInfo { current });
    return restored;
}

void UndoHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
}
