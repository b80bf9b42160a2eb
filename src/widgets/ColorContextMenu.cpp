#include "widgets/ColorContextMenu.h"

#include "widgets/ColorFormats.h"

#include <QKeyEvent>

namespace {

QAction *namedAction(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu *namedMenu(QMenu *parent, const char *name, const QString &caption)
{
    QMenu *menu = parent->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

ColorContextMenu::ColorContextMenu(QWidget *parent) : QMenu(QStringLiteral("&ColorConext"), parent)
{
    setObjectName(QStringLiteral("mnuColorContext"));
    mnuAddToPalette
        = namedAction(this, "mnuAddToPalette", QStringLiteral("Add this Color to Palette"));
    mnuAddAnalogous = namedAction(this, "mnuAddAnalogous", QStringLiteral("Add &Analogous"));
    mnuAddCompliments = namedAction(this, "mnuAddCompliments", QStringLiteral("Add &Complements"));
    mnuAddSplitCompliments
        = namedAction(this, "mnuAddSplitCompliments", QStringLiteral("Add &Split Compliments"));
    mnuAddTetrads = namedAction(this, "mnuAddTetrads", QStringLiteral("Add &Tetrads"));
    mnuAddTriads = namedAction(this, "mnuAddTriads", QStringLiteral("Add &Triads"));
    for (QAction *add :
        { mnuAddAnalogous, mnuAddCompliments, mnuAddSplitCompliments, mnuAddTetrads, mnuAddTriads })
        add->setVisible(false);
    cmSep1 = addSeparator();
    cmSep1->setObjectName(QStringLiteral("cmSep1"));

    mnuCopyColor = namedMenu(this, "mnuCopyColor", QStringLiteral("Copy Color"));
    mnuCopyWebColor = namedAction(mnuCopyColor, "mnuCopyWebColor", QString());
    mnuCopyHexColor = namedAction(mnuCopyColor, "mnuCopyHexColor", QString());
    mnuCopyRGBColor = namedAction(mnuCopyColor, "mnuCopyRGBColor", QString());
    mnuCopyHSVColor = namedAction(mnuCopyColor, "mnuCopyHSVColor", QStringLiteral("HSV Color"));
    mnuCopyCMYColor = namedAction(mnuCopyColor, "mnuCopyCMYColor", QStringLiteral("CMY Color"));
    resetCopyCaptions();
    // The design caption of the RGB item carries a trailing blank.
    mnuCopyRGBColor->setText(QStringLiteral("RGB Color "));

    mnuAdjustColor = namedMenu(this, "mnuAdjustColor", QStringLiteral("&Adjust Color"));
    mnuEditLighten = namedAction(mnuAdjustColor, "mnuEditLighten", QStringLiteral("&Lighten"));
    mnuEditDarken = namedAction(mnuAdjustColor, "mnuEditDarken", QStringLiteral("&Darken"));
    mnuEditSaturate = namedAction(mnuAdjustColor, "mnuEditSaturate", QStringLiteral("&Saturate"));
    mnuEditDesaturate
        = namedAction(mnuAdjustColor, "mnuEditDesaturate", QStringLiteral("&Desaturate"));

    mnuAddToFavs = namedMenu(this, "mnuAddToFavs", QStringLiteral("&Add to Favorites"));
    for (int k = 0; k < kFavoriteSlots; ++k) {
        QAction *slot = mnuAddToFavs->addAction(QStringLiteral("Slot %1").arg(k + 1));
        slot->setObjectName(QStringLiteral("mnuFavSlot%1").arg(k));
        slot->setData(k);
        mnuFavSlot.append(slot);
    }

    mnuModifyHexColor
        = namedAction(this, "mnuModifyHexColor", QStringLiteral("&Modify Hex Color..."));
    mnuEraseColor = namedAction(this, "mnuEraseColor", QStringLiteral("Erase Color"));
    mnuEraseColor->setVisible(false);
    cmSep2 = addSeparator();
    cmSep2->setObjectName(QStringLiteral("cmSep2"));
    mnuSetAsBackGround
        = namedAction(this, "mnuSetAsBackGround", QStringLiteral("Set as Background"));
}

void ColorContextMenu::PrepareCopyColorMenu(ColorValue color)
{
    mnuCopyHexColor->setText(ColorFormats::copyHex(color));
    mnuCopyWebColor->setText(ColorFormats::copyWeb(color));
    mnuCopyRGBColor->setText(ColorFormats::copyRgb(color));
}

void ColorContextMenu::resetCopyCaptions()
{
    mnuCopyHexColor->setText(QStringLiteral("Hex Color"));
    mnuCopyWebColor->setText(QStringLiteral("Web Color"));
    mnuCopyRGBColor->setText(QStringLiteral("RGB Color"));
}

QAction *ColorContextMenu::addItemAction(AddItem item) const
{
    switch (item) {
    case AddItem::None:
        return nullptr;
    case AddItem::Analogous:
        return mnuAddAnalogous;
    case AddItem::Complements:
        return mnuAddCompliments;
    case AddItem::SplitComplements:
        return mnuAddSplitCompliments;
    case AddItem::Tetrads:
        return mnuAddTetrads;
    case AddItem::Triads:
        return mnuAddTriads;
    }
    return nullptr;
}

void ColorContextMenu::configure(const Request &request)
{
    if (QAction *add = addItemAction(request.addItem))
        add->setVisible(true);
    if (request.disableCellItems) {
        mnuAdjustColor->menuAction()->setEnabled(false);
        mnuModifyHexColor->setEnabled(false);
    }
    if (request.hideCellItems) {
        mnuAdjustColor->menuAction()->setVisible(false);
        mnuModifyHexColor->setVisible(false);
    }
    if (request.paletteCell) {
        mnuEraseColor->setVisible(true);
        mnuAddToPalette->setVisible(false);
        cmSep1->setVisible(false);
    }
    if (request.favoriteSlot)
        mnuAddToFavs->menuAction()->setVisible(false);
    PrepareCopyColorMenu(request.color);
}

void ColorContextMenu::restore()
{
    for (QAction *add :
        { mnuAddAnalogous, mnuAddCompliments, mnuAddSplitCompliments, mnuAddTetrads, mnuAddTriads })
        add->setVisible(false);
    mnuAdjustColor->menuAction()->setEnabled(m_adjustAvailable);
    mnuAdjustColor->menuAction()->setVisible(true);
    mnuModifyHexColor->setEnabled(m_hexDialogAvailable);
    mnuModifyHexColor->setVisible(true);
    mnuEraseColor->setVisible(false);
    mnuAddToPalette->setVisible(true);
    cmSep1->setVisible(true);
    mnuAddToFavs->menuAction()->setVisible(true);
    resetCopyCaptions();
}

void ColorContextMenu::keyPressEvent(QKeyEvent *event)
{
    // "&Adjust Color" and "&Add to Favorites" share their letter. Qt settles
    // such a clash on the first item even when it is disabled, as the tool
    // views make Adjust, so the letter would do nothing. Only items that can
    // be used count here; a letter that names one of them picks it.
    const QString letter = event->text().toUpper();
    QAction *match = nullptr;
    int matches = 0;
    if (letter.size() == 1 && letter.at(0).isLetterOrNumber()) {
        for (QAction *action : actions()) {
            const QString mnemonic
                = QKeySequence::mnemonic(action->text()).toString().right(1).toUpper();
            if (action->isVisible() && action->isEnabled() && mnemonic == letter) {
                match = action;
                ++matches;
            }
        }
    }
    if (matches != 1) {
        QMenu::keyPressEvent(event);
        return;
    }
    // Right opens a submenu on its first item; Return runs a command.
    setActiveAction(match);
    QKeyEvent pick(QEvent::KeyPress, match->menu() ? Qt::Key_Right : Qt::Key_Return,
        Qt::NoModifier);
    QMenu::keyPressEvent(&pick);
}

void ColorContextMenu::setHexDialogAvailable(bool available)
{
    m_hexDialogAvailable = available;
    mnuModifyHexColor->setEnabled(available);
}

void ColorContextMenu::setAdjustAvailable(bool available)
{
    m_adjustAvailable = available;
    mnuAdjustColor->menuAction()->setEnabled(available);
}
