#pragma once

#include "core/mod_ColorConversion.h"

#include <QObject>

class QBoxLayout;
class QPoint;
class frm_MDIMain;
class ucRecent;

// The main window's recent colours strip, `pRecent`: placed in the column
// beside the documents, fed with colours put into palettes, and its two
// gestures. Everything here acts only while a palette is the active child.
class RecentColorsCommands : public QObject {
    Q_OBJECT

public:
    // Creates the strip and adds it, filling the rest of `column`.
    RecentColorsCommands(frm_MDIMain *main, QBoxLayout *column);

    ucRecent *pRecent() const { return m_pRecent; }

    // Records a colour; negative colours and colours offered while no
    // palette is the active child are dropped.
    void AddToRecentColors(ColorValue color, const QString &webColor);

private:
    // A double-click makes the colour the working colour, which the active
    // palette puts into its selected cell.
    void pRecent_LeftDblClick(ColorValue color);
    void pRecent_RightClick(ColorValue color, const QPoint &globalPos);

    frm_MDIMain *m_main;
    ucRecent *m_pRecent;
};
