// Writes the application icon for the desktop: the program's own vector
// icon as a scalable SVG and as PNGs of the usual sizes, laid out as the
// hicolor icon theme wants them (<out>/hicolor/<n>x<n>/apps/<name>.png,
// <out>/hicolor/scalable/apps/<name>.svg).
//
// Usage: render_app_icon <out folder> <icon name> <size>...
#include "widgets/AppIcons.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The icon's design grid, in SVG user units.
constexpr int kDesignSide = 24;

bool writeSvg(const QString &path, const QString &name)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setTitle(name);
    svg.setViewBox(QRect(0, 0, kDesignSide, kDesignSide));
    svg.setSize(QSize(kDesignSide, kDesignSide));
    svg.setResolution(96);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    AppIcons::icon(AppIcons::Kind::App).paint(&painter, QRect(0, 0, kDesignSide, kDesignSide));
    return painter.end();
}

bool writePng(const QString &folder, const QString &name, int side)
{
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(folder).arg(side);
    return QDir().mkpath(dir)
        && AppIcons::render(AppIcons::Kind::App, QSize(side, side), QIcon::Normal)
               .save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: render_app_icon <out folder> <icon name> <size>...\n");
        return 2;
    }
    const QString folder = args[1], name = args[2];
    const QString scalable = folder + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(scalable)
        || !writeSvg(scalable + '/' + name + QStringLiteral(".svg"), name)) {
        std::fprintf(stderr, "render_app_icon: cannot write the SVG icon\n");
        return 1;
    }
    for (const QString &size : args.mid(3)) {
        if (!writePng(folder, name, size.toInt())) {
            std::fprintf(
                stderr, "render_app_icon: cannot write the %s px icon\n", qPrintable(size));
            return 1;
        }
    }
    return 0;
}
