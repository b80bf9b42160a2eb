#pragma once

#include "help/TipModel.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// "Tip of the Day": a small non-modal window showing one random hint about
// the program, with a check box that decides whether it comes up at start-up.
//
// The window deletes itself when closed. The check box starts in the state of
// the stored preference and is written back whenever the window goes away, by
// OK, Escape, the close box or the destruction of its owner.
class frm_Tip : public QDialog {
    Q_OBJECT

public:
    // `source` feeds the tip choice; empty means a generator seeded from the
    // clock. Shows the first tip at once.
    explicit frm_Tip(QWidget *owner = nullptr, TipModel::RandomSource source = {});
    ~frm_Tip() override;

    // Start-up: shows the window, box ticked, when the preference allows it,
    // otherwise nothing. Returns the window shown, or nullptr.
    static frm_Tip *DisplayCurrentTip(QWidget *owner);
    // Help > Quick Tips: always shows the window, box in the stored state.
    static frm_Tip *ShowQuickTips(QWidget *owner);

    int currentTip() const { return m_model.current(); }

public Q_SLOTS:
    void done(int result) override;

private:
    void buildUi();
    QWidget *buildPanel();
    void showNextTip();
    void savePreference();
    static frm_Tip *showFor(QWidget *owner);

    TipModel m_model;
    QLabel *m_tipText = nullptr;
    QCheckBox *m_loadAtStartup = nullptr;
    QPushButton *m_nextTip = nullptr;
    QPushButton *m_ok = nullptr;
    bool m_preferenceSaved = false;
};
