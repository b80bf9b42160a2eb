#include "previews/WebPreviewModel.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"

#include <QStringList>

namespace {

bool isColor(int value)
{
    return value >= kBlack && value <= kWhite;
}

ColorValue firstRunColor(int target)
{
    return WebPreviewModel::isLabel(target) ? kBlack : kWhite;
}

// The settings key of a target: "0".."7", "l0".."l7", "bg".
QString settingKey(int target)
{
    if (target == WebPreviewModel::kPage)
        return QString::fromLatin1(SettingsKeys::WebPreviewPageKey);
    if (WebPreviewModel::isLabel(target))
        return QLatin1String(SettingsKeys::WebPreviewLabelPrefix)
            + QString::number(target - WebPreviewModel::kBoxes);
    return QString::number(target);
}

} // namespace

WebPreviewModel::WebPreviewModel(QObject *parent) : QObject(parent)
{
    for (int target = 0; target < kTargets; ++target)
        m_colors[target] = firstRunColor(target);
}

void WebPreviewModel::setColor(int target, ColorValue color)
{
    m_colors.at(target) = color;
    emit colorChanged(target);
}

void WebPreviewModel::drop(int target, ColorValue color)
{
    m_stacks.push(target, m_colors.at(target));
    setColor(target, color);
}

bool WebPreviewModel::Undo()
{
    ColorStacks::Entry entry;
    if (!m_stacks.undo(entry, [this](int target) { return m_colors[target]; }))
        return false;
    setColor(entry.target, entry.color);
    return true;
}

bool WebPreviewModel::Redo()
{
    ColorStacks::Entry entry;
    if (!m_stacks.redo(entry, [this](int target) { return m_colors[target]; }))
        return false;
    setColor(entry.target, entry.color);
    return true;
}

void WebPreviewModel::Reset()
{
    for (int target = 0; target < kTargets; ++target)
        setColor(target, firstRunColor(target));
    m_stacks.clear();
}

void WebPreviewModel::loadSettings()
{
    const QString section = QString::fromLatin1(SettingsKeys::WebPreviewSection);
    const int boxDefault = QString::fromLatin1(SettingsKeys::WebPreviewBoxDefault).toInt();
    const int labelDefault = QString::fromLatin1(SettingsKeys::WebPreviewLabelDefault).toInt();
    for (int target = 0; target < kTargets; ++target) {
        const ColorValue fallback = isLabel(target) ? labelDefault : boxDefault;
        const int stored = GetSettingInt(section, settingKey(target), fallback);
        setColor(target, isColor(stored) ? stored : fallback);
    }
    m_stacks.clear();
}

void WebPreviewModel::saveSettings() const
{
    const QString section = QString::fromLatin1(SettingsKeys::WebPreviewSection);
    for (int target = 0; target < kTargets; ++target)
        SaveSettingInt(section, settingKey(target), m_colors[target]);
}

QString WebPreviewModel::html() const
{
    const auto hex = [this](int target) { return QString::fromStdString(ColorToHex(color(target))); };
    // A link cell of the navigation column: its box, its label, its text.
    const auto link = [&](int boxIndex, int labelIndex, const QString &text) {
        return QStringLiteral("<td bgcolor='%1'><font face='Tahoma' size=2 color='%2'>%3</font></td>")
            .arg(hex(box(boxIndex)), hex(label(labelIndex)), text);
    };
    const QString row = QStringLiteral("<tr valign=center>");
    const QStringList lines = {
        QStringLiteral("<html>"),
        QStringLiteral("<body bgcolor='%1'>").arg(hex(kPage)),
        QStringLiteral("<center><br>"),
        QStringLiteral("<table border=0 cellpadding=1 cellspacing=1 width='90%' height='90%' "
                       "bgcolor='#000000'>"),
        QStringLiteral("<tr valign=mid>"),
        QStringLiteral("<td colspan=2 valign=mid><center>"),
        QStringLiteral("<table border=0 cellpadding=5 cellspacing=1 width='100%' height='100%'>"),
        QStringLiteral("<tr valign='center'>"),
        QStringLiteral("<td bgcolor='%1'>").arg(hex(box(0))),
        QStringLiteral("<font face='Tahoma' color='%1'>").arg(hex(label(1))),
        QStringLiteral("<h1> Web Page Preview</h1></font>"),
        QStringLiteral("</td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("</table>"),
        QStringLiteral("</td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("<tr valign='top'>"),
        QStringLiteral("<td width='30%'>"),
        QStringLiteral("<table border=0 cellspacing=1 cellpadding=10 height='100%' width='100%'>"),
        row,
        link(7, 7, QStringLiteral("<b>Home</b>")),
        QStringLiteral("</tr>"),
        row,
        link(4, 4, QStringLiteral("Features")),
        QStringLiteral("</tr>"),
        row,
        link(5, 6, QStringLiteral("Purchase")),
        QStringLiteral("</tr>"),
        row,
        link(6, 5, QStringLiteral("FAQ")),
        QStringLiteral("</tr>"),
        row,
        link(3, 0, QStringLiteral("<u>Contact</u>")),
        QStringLiteral("</tr>"),
        QStringLiteral("</table>"),
        QStringLiteral("</td>"),
        QStringLiteral("<td>"),
        QStringLiteral("<table border=0 cellpadding=20 cellspacing=0 width='100%' height='100%'>"),
        QStringLiteral("<tr valign='center'>"),
        QStringLiteral("<td bgcolor='%1'>").arg(hex(box(1))),
        QStringLiteral("<font face='Tahoma' size=2 color='%1'>Drag and drop any color to see how "
                       "it<br>would look on your web page<br>&nbsp;<br>&nbsp;<br>")
            .arg(hex(label(3))),
        QStringLiteral("<font face='Tahoma' size=2 color='%1'>It's easier than ever to create "
                       "matching,<br>harmonious color schemes </td>")
            .arg(hex(label(2))),
        QStringLiteral("</tr>"),
        QStringLiteral("</table>"),
        QStringLiteral("</td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("</table>"),
        QStringLiteral("<center>"),
        QStringLiteral("</td>"),
        QStringLiteral("</tr>"),
        QStringLiteral("</table>"),
        QStringLiteral("</center>"),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    Q_ASSERT(lines.size() == 54);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
