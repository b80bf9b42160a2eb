#include "app/FileDialog.h"

#include "app/PlatformServices.h"

#include <QCoreApplication>

QString ShowFileDialog(QWidget *owner, const QString &title, const QString &defaultExt, bool save,
    const QString &filterName, const QStringList &extraFilters)
{
    const QString name = filterName.isEmpty() ? QStringLiteral("Tint Wright Palettes") : filterName;

    PlatformServices::FileDialogRequest request;
    request.title = title;
    request.filters = QStringList { name + QStringLiteral(" (*") + defaultExt + QLatin1Char(')') }
        + extraFilters + QStringList { QStringLiteral("All Files (*.*)") };
    request.startFolder = QCoreApplication::applicationDirPath();
    request.defaultSuffix
        = defaultExt.startsWith(QLatin1Char('.')) ? defaultExt.mid(1) : defaultExt;
    request.save = save;

    QString path = PlatformServices::get().fileDialog(owner, request);
    // Whatever follows a terminating NUL is not part of the path.
    const qsizetype end = path.indexOf(QChar(u'\0'));
    if (end >= 0)
        path.truncate(end);
    return path.trimmed();
}
