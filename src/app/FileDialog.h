#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Asks the user for one file through the platform's open or save dialog and
// returns the chosen full path without surrounding blanks, or empty text when
// the user cancelled.
//
// defaultExt is given with its dot (".twp"); the filters are
// "<filterName> (*<defaultExt>)", then extraFilters as given (each a full
// filter such as "GIMP Palettes (*.gpl)"), then "All Files (*.*)". An empty
// filterName means "Tint Wright Palettes". The dialog starts in the
// program's own folder and asks no overwrite question: callers that need one
// ask it themselves.
QString ShowFileDialog(QWidget *owner, const QString &title, const QString &defaultExt, bool save,
    const QString &filterName = {}, const QStringList &extraFilters = {});
