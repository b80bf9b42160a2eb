#include "widgets/TintwrightStyle.h"

#include "widgets/AppIcons.h"

TintwrightStyle::TintwrightStyle(const QString &baseKey) : QProxyStyle(baseKey)
{
}

QIcon TintwrightStyle::standardIcon(
    StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    switch (standardIcon) {
    case SP_ToolBarHorizontalExtensionButton:
        return AppIcons::icon(AppIcons::Kind::MoreHorizontal);
    case SP_ToolBarVerticalExtensionButton:
        return AppIcons::icon(AppIcons::Kind::MoreVertical);
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}
