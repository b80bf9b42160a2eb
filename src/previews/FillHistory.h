#pragma once

#include "previews/PictureDelta.h"

#include <array>

// The vector preview's 51 picture slots. Slot 0 is the opening picture;
// each fill is stored in the slot after the current one, wrapping from 50
// to 1, and becomes the last slot Redo can reach.
//
// No slot holds a picture: slot k keeps what turns slot k - 1's picture
// into its own, so memory stays at the one picture being shown plus the
// pixels the fills changed. Moving between slots replays those changes on
// the shown picture.
class FillHistory {
public:
    static constexpr int kLastSlot = 50;

    // Forgets every fill: slot 0 is the picture now shown.
    void clear();

    int current() const { return m_current; } // p: the slot worked on
    int last() const { return m_last; } // q: the highest slot Redo reaches
    int shown() const { return m_shown; } // the slot `picture` holds

    // `picture` held slot shown() until `fill` changed it; stores the
    // result in the next slot and makes it the current and the last one.
    void store(QImage &picture, PictureDelta fill);

    // Steps the current slot back (not below 0) or forward (not beyond the
    // last) and shows it in `picture`.
    void undo(QImage &picture);
    void redo(QImage &picture);
    // Shows slot 0 without moving the current slot.
    void showOpening(QImage &picture);

    // Bytes the stored changes hold.
    size_t bytes() const;

private:
    void show(QImage &picture, int slot);
    // Turns slot `from`'s picture into slot `to`'s.
    void walk(QImage &picture, int from, int to) const;

    // m_steps[k] turns slot k - 1 into slot k; m_steps[0] stays empty.
    std::array<PictureDelta, kLastSlot + 1> m_steps;
    int m_current = 0;
    int m_last = 0;
    int m_shown = 0;
};
