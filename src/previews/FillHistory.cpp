#include "previews/FillHistory.h"

void FillHistory::clear()
{
    for (PictureDelta &step : m_steps)
        step = PictureDelta();
    m_current = m_last = m_shown = 0;
}

void FillHistory::store(QImage &picture, PictureDelta fill)
{
    const int slot = m_current + 1 > kLastSlot ? 1 : m_current + 1;
    if (m_shown == slot - 1) {
        m_steps[slot] = std::move(fill);
    } else {
        // The fill was made on another slot's picture (after a Reset, or
        // when the slots wrap): store the whole change from the slot before.
        QImage previous = picture.copy();
        fill.apply(previous, false);
        walk(previous, m_shown, slot - 1);
        m_steps[slot] = PictureDelta::difference(previous, picture);
    }
    // Slots past the new last one can never be reached again.
    for (int k = slot + 1; k <= kLastSlot; ++k)
        m_steps[k] = PictureDelta();
    m_current = m_last = m_shown = slot;
}

void FillHistory::undo(QImage &picture)
{
    m_current = qMax(m_current - 1, 0);
    show(picture, m_current);
}

void FillHistory::redo(QImage &picture)
{
    m_current = qMin(m_current + 1, m_last);
    show(picture, m_current);
}

void FillHistory::showOpening(QImage &picture)
{
    show(picture, 0);
}

void FillHistory::show(QImage &picture, int slot)
{
    walk(picture, m_shown, slot);
    m_shown = slot;
}

void FillHistory::walk(QImage &picture, int from, int to) const
{
    for (int k = from + 1; k <= to; ++k)
        m_steps[k].apply(picture, true);
    for (int k = from; k > to; --k)
        m_steps[k].apply(picture, false);
}

size_t FillHistory::bytes() const
{
    size_t total = 0;
    for (const PictureDelta &step : m_steps)
        total += step.bytes();
    return total;
}
