#pragma once

#include "core/mod_ColorConversion.h"

#include <vector>

// The undo and redo stacks of a preview whose targets each hold one colour:
// entries {target, colour}, without a size limit.
class ColorStacks {
public:
    struct Entry {
        int target = 0;
        ColorValue color = kBlack;
    };

    // Before a change: remembers the target's colour and forgets the redo
    // steps.
    void push(int target, ColorValue current)
    {
        m_undo.push_back({ target, current });
        m_redo.clear();
    }

    // Takes the top entry of one stack and puts {its target, the colour the
    // target has now} on the other; `currentOf(target)` gives that colour.
    // False when the stack is empty.
    template<typename CurrentOf> bool undo(Entry &entry, CurrentOf currentOf)
    {
        return move(m_undo, m_redo, entry, currentOf);
    }
    template<typename CurrentOf> bool redo(Entry &entry, CurrentOf currentOf)
    {
        return move(m_redo, m_undo, entry, currentOf);
    }

    void clear()
    {
        m_undo.clear();
        m_redo.clear();
    }

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }

private:
    template<typename CurrentOf>
    static bool move(std::vector<Entry> &from, std::vector<Entry> &to, Entry &entry,
        CurrentOf currentOf)
    {
        if (from.empty())
            return false;
        entry = from.back();
        from.pop_back();
        to.push_back({ entry.target, currentOf(entry.target) });
        return true;
    }

    std::vector<Entry> m_undo;
    std::vector<Entry> m_redo;
};
