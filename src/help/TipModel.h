#pragma once

#include <QString>

#include <functional>

// The tips of the "Tip of the Day" window and the choice between them.
//
// Tips are numbered 101..119. Each pick is 101 + floor(r * 19) for a random r
// in [0, 1), so every tip can come out and repeats are allowed. The random
// source is injectable so that tests can script the sequence; by default it is
// seeded from the clock when the model is created.
//
// The start-up preference lives here as well: section "Prefs", key
// "Show Tips at Startup", stored as the decimal text "1" (show) or "0".
class TipModel {
public:
    // Returns a value uniform in [0, 1). Values outside that range are
    // clamped to the first or last tip rather than trusted.
    using RandomSource = std::function<double()>;

    static constexpr int FirstTip = 101;
    static constexpr int LastTip = 119;
    static constexpr int TipCount = LastTip - FirstTip + 1;

    explicit TipModel(RandomSource source = {});

    // Picks a new tip (possibly the same as before) and returns its number.
    int next();
    // The tip picked last, or 0 before the first next().
    int current() const { return m_current; }
    QString currentText() const { return text(m_current); }

    // The tip text for a number in FirstTip..LastTip; empty text otherwise.
    static QString text(int number);
    // The tip number that the random value r selects.
    static int numberFor(double r);

    // Whether tips are shown at start-up. A missing entry reads as "1".
    static bool showAtStartup();
    static void setShowAtStartup(bool show);
    // How a stored text is read: a number is rounded to a whole number
    // (half to even) and anything but 0 means show; a text that is not a
    // finite number (empty, "yes", "True") counts as the default "1".
    static bool storedTextShowsTips(const QString &stored);

private:
    RandomSource m_source;
    int m_current = 0;
};
