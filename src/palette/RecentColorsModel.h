#pragma once

#include "core/mod_ColorConversion.h"

#include <QList>
#include <QObject>
#include <QString>

// The entries of the recent colours strip, oldest first, and the rules for
// adding to them and keeping them in the settings store.
//
// Entry 0 exists from the start: white, captioned "#FFFFFF". Count is the
// number of recorded entries and the index of the next entry to create; it
// starts at 1 (entry 0 counts) and never exceeds Capacity. Once the list is
// full a new colour pushes the oldest out at the front.
class RecentColorsModel : public QObject {
    Q_OBJECT

public:
    static constexpr int Capacity = 48;
    // One entry row every 600 twips (40 pixels at 96 dpi).
    static constexpr int RowTwips = 600;

    struct Entry {
        ColorValue color = kWhite;
        QString caption;
        friend bool operator==(const Entry &, const Entry &) = default;
    };

    // The strip's vertical scroll bar, in twips down the list. Disabled while
    // entries 0 and 1 are the last laid out; from entry 2 on, its maximum and
    // value bring the newest laid-out entry to the top of the view.
    struct Scroll {
        bool enabled = false;
        int maximum = 0;
        int value = 0;
        friend bool operator==(const Scroll &, const Scroll &) = default;
    };

    explicit RecentColorsModel(QObject *parent = nullptr);

    // The entries shown: never fewer than one (entry 0 stays while Count is 0).
    const QList<Entry> &entries() const { return m_entries; }
    int Count() const { return m_count; }
    // The colour Add last took; 0 at first, so a first black is ignored.
    ColorValue lastAccepted() const { return m_lastAccepted; }
    Scroll scroll() const { return m_scroll; }

    // Records a colour unless it equals the colour last accepted; returns
    // whether it did. A full list keeps its scroll position.
    bool Add(ColorValue color, const QString &caption);

    // Section "Recent": "Count", then each entry's colour under its index and
    // its caption under "caption_" + index.
    void SaveRecent() const;
    // Replaces the list by the stored one. A stored Count that is negative or
    // not a number loads nothing (entry 0 stays as it is); one above Capacity
    // loads the first Capacity entries. Leaves the colour last accepted.
    void LoadRecent();

signals:
    // Entries, Count or the scroll bar changed.
    void changed();

private:
    void layOut(int index, const Entry &entry);

    QList<Entry> m_entries;
    int m_count = 1;
    ColorValue m_lastAccepted = kBlack;
    Scroll m_scroll;
};
