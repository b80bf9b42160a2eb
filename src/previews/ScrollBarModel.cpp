#include "previews/ScrollBarModel.h"

#include <QStringList>

namespace {

bool isIndex(int index)
{
    return index >= 0 && index < ScrollBarModel::kColors;
}

} // namespace

ScrollBarModel::ScrollBarModel(ColorValue face, QObject *parent) : QObject(parent)
{
    Reset(face);
}

QString ScrollBarModel::label(int index)
{
    static const char *const labels[kColors] = { "Arrow Color", "Face Color", "Highlight Color",
        "3D Light Color", "Shadow Color", "Dark Shadow Color", "Track Color" };
    return isIndex(index) ? QString::fromLatin1(labels[index]) : QString();
}

ColorValue ScrollBarModel::GetColor(int index) const
{
    return isIndex(index) ? m_colors[index] : kEmptyCell;
}

bool ScrollBarModel::SetColour(int index, ColorValue color)
{
    if (!isIndex(index))
        return false;
    m_colors[index] = color;
    return true;
}

void ScrollBarModel::setColor(int index, ColorValue color)
{
    m_colors.at(index) = color;
    emit colorChanged(index);
}

void ScrollBarModel::drop(int index, ColorValue color)
{
    if (!isIndex(index))
        return;
    m_stacks.push(index, m_colors[index]);
    setColor(index, color);
}

bool ScrollBarModel::Undo()
{
    ColorStacks::Entry entry;
    if (!m_stacks.undo(entry, [this](int index) { return m_colors[index]; }))
        return false;
    setColor(entry.target, entry.color);
    return true;
}

bool ScrollBarModel::Redo()
{
    ColorStacks::Entry entry;
    if (!m_stacks.redo(entry, [this](int index) { return m_colors[index]; }))
        return false;
    setColor(entry.target, entry.color);
    return true;
}

void ScrollBarModel::Reset(ColorValue face)
{
    const Colors reset = { kBlack, face, kWhite, MakeColorValue(100, 100, 100),
        MakeColorValue(60, 60, 60), kBlack, MakeColorValue(240, 240, 240) };
    for (int index = 0; index < kColors; ++index)
        setColor(index, reset[index]);
    m_stacks.clear();
}

QString ScrollBarModel::GenCode() const
{
    const auto property = [this](const char *name, int index) {
        return QString::fromLatin1(name) + QString::fromStdString(ColorToHex(m_colors[index]))
            + QLatin1Char(';');
    };
    const QStringList lines = {
        QString(),
        QStringLiteral("<STYLE type=?text/css?>"),
        QStringLiteral("<!-- BODY {"),
        property("scrollbar-face-color: ", Face),
        property("scrollbar-highlight-color: ", Highlight),
        property("scrollbar-3dlight-color: ", Light3D),
        property("scrollbar-darkshadow-color: ", DarkShadow),
        property("scrollbar-shadow-color: ", Shadow),
        property("scrollbar-arrow-color: ", Arrow),
        property("scrollbar-track-color: ", Track),
        QStringLiteral("} --> </STYLE> "),
    };
    QString code = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    return code.replace(QLatin1Char('?'), QLatin1Char('"')).toUpper();
}
