#include "app/PathOperations.h"

namespace {

qsizetype lastSeparator(const QString &path, PathStyle style)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    if (style == PathStyle::Posix)
        return slash;
    return qMax(slash, path.lastIndexOf(u'\\'));
}

} // namespace

QString GetFileBaseName(const QString &path, PathStyle style)
{
    const qsizetype separator = lastSeparator(path, style);
    const qsizetype dot = path.lastIndexOf(u'.');
    if (separator >= 0)
        return dot > separator ? path.mid(separator + 1, dot - separator - 1) : QString();
    return dot >= 0 ? path.left(dot) : path;
}

QString GetFileExtension(const QString &path, PathStyle style)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || lastSeparator(path, style) > dot)
        return QString();
    return path.mid(dot + 1);
}
