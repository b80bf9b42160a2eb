#include "workspace/mod_Workspace.h"

#include "app/Settings.h"
#include "app/TextNumbers.h"

#include <QIODevice>

#include <cmath>
#include <limits>

namespace mod_Workspace {

namespace {

// ---- Writing

void addLine(QByteArray &out, QByteArrayView text)
{
    out += text;
    out += "\r\n";
}

void addKey(QByteArray &out, QByteArrayView key, const QString &value)
{
    out += key;
    out += '=';
    addLine(out, value.toUtf8());
}

void addPosition(QByteArray &out, float left, float top)
{
    addKey(out, "left", FloatToSettingText(left));
    addKey(out, "top", FloatToSettingText(top));
}

// "pic1=" .. "pic<n>=", or "label1=" ..., one line per colour.
template<std::size_t N>
void addColors(QByteArray &out, QByteArrayView prefix, const std::array<ColorValue, N> &colors)
{
    for (std::size_t k = 0; k < N; ++k)
        addKey(out, prefix.toByteArray() + QByteArray::number(qulonglong(k + 1)),
            QString::number(colors[k]));
}

// ---- Reading

// The lines of a text, without their ends: CR LF, LF or CR end a line, and
// a last line may have no end. Stops, and says so, at a line over the limit.
class Lines {
public:
    explicit Lines(QStringView text) : m_text(text) { }

    std::optional<QStringView> next()
    {
        if (m_tooLong || m_pos >= m_text.size())
            return std::nullopt;
        qsizetype end = m_pos;
        while (end < m_text.size() && m_text[end] != u'\r' && m_text[end] != u'\n')
            ++end;
        const QStringView line = m_text.sliced(m_pos, end - m_pos);
        m_pos = end + 1;
        if (end < m_text.size() && m_text[end] == u'\r' && m_pos < m_text.size()
            && m_text[m_pos] == u'\n')
            ++m_pos;
        if (line.size() > kMaxLineLength) {
            m_tooLong = true;
            return std::nullopt;
        }
        return line;
    }

    bool tooLong() const { return m_tooLong; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    bool m_tooLong = false;
};

// A position in twips: a decimal number with a point or a comma, that fits
// a 32-bit float.
std::optional<float> toPosition(QStringView text)
{
    const std::optional<double> value = TextNumbers::toDouble(text.toString().replace(u',', u'.'));
    if (!value || std::abs(*value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(*value);
}

// Each applies one key line to a record: true when the key is not the
// record's or its value was taken, false when the value does not parse.
template<typename Record> bool applyPosition(Record &record, QStringView key, QStringView value)
{
    float *field = key == u"left" ? &record.left : key == u"top" ? &record.top : nullptr;
    if (!field)
        return true;
    const std::optional<float> position = toPosition(value);
    if (position)
        *field = *position;
    return position.has_value();
}

bool apply(cPalette &record, QStringView key, QStringView value)
{
    if (key == u"file") {
        record.file = value.toString();
        return true;
    }
    return applyPosition(record, key, value);
}

bool apply(cWebPreview &record, QStringView key, QStringView value)
{
    return applyPosition(record, key, value);
}

bool apply(cScrollBar &record, QStringView key, QStringView value)
{
    // "pic1" .. "pic7": colour 0 .. 6.
    if (key.size() == 4 && key.startsWith(u"pic") && key[3] >= u'1' && key[3] <= u'7') {
        const std::optional<int> color = TextNumbers::toInt(value);
        if (color)
            record.colour[std::size_t(key[3].unicode() - u'1')] = *color;
        return color.has_value();
    }
    return applyPosition(record, key, value);
}

bool apply(cVectorImg &record, QStringView key, QStringView value)
{
    return applyPosition(record, key, value);
}

// The lines after a header, up to "}" or the end, as one record.
template<typename Record> bool readSection(Lines &lines, QList<Record> &list)
{
    Record record;
    while (const std::optional<QStringView> line = lines.next()) {
        if (*line == u"}")
            break;
        const qsizetype equals = line->indexOf(u'=');
        if (equals < 0)
            continue;
        QStringView value = line->sliced(equals + 1);
        value = value.left(value.indexOf(u'=')); // left(-1) is the whole value
        if (!apply(record, line->left(equals), value))
            return false;
    }
    if (lines.tooLong())
        return false;
    list.append(record);
    return true;
}

} // namespace

QByteArray SaveWorkspace(const WorkspaceLists &lists)
{
    QByteArray out;
    for (const cPalette &palette : lists.palettes) {
        addLine(out, "[palette]");
        addLine(out, "{");
        addKey(out, "file", palette.file);
        addPosition(out, palette.left, palette.top);
        addLine(out, "}");
    }
    for (const cWebPreview &preview : lists.webPreviews) {
        addLine(out, "[webpreview]");
        addLine(out, "{");
        addPosition(out, preview.left, preview.top);
        addColors(out, "pic", preview.box);
        addColors(out, "label", preview.label);
        addKey(out, "bg", QString::number(preview.bg));
        addLine(out, "}");
    }
    for (const cScrollBar &bar : lists.scrollBars) {
        addLine(out, "[scrollbar]");
        addLine(out, "{");
        addPosition(out, bar.left, bar.top);
        addColors(out, "pic", bar.colour);
        addLine(out, "}");
    }
    for (const cVectorImg &image : lists.vectorImgs) {
        addLine(out, "[vectorimg]");
        addLine(out, "{");
        addPosition(out, image.left, image.top);
        addLine(out, "}");
    }
    return out;
}

std::optional<WorkspaceLists> LoadWorkspace(const QByteArray &bytes)
{
    if (bytes.size() > kMaxFileSize)
        return std::nullopt;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) // a byte order mark some editors add
        text.remove(0, 1);

    WorkspaceLists lists;
    Lines lines(text);
    while (const std::optional<QStringView> line = lines.next()) {
        bool ok = true;
        if (*line == u"[palette]")
            ok = readSection(lines, lists.palettes);
        else if (*line == u"[webpreview]")
            ok = readSection(lines, lists.webPreviews);
        else if (*line == u"[scrollbar]")
            ok = readSection(lines, lists.scrollBars);
        else if (*line == u"[vectorimg]")
            ok = readSection(lines, lists.vectorImgs);
        if (!ok || lists.windowCount() > kMaxWindows)
            return std::nullopt;
    }
    if (lines.tooLong())
        return std::nullopt;
    return lists;
}

std::optional<WorkspaceLists> LoadWorkspace(QIODevice &device)
{
    if (!device.isReadable())
        return std::nullopt;
    // Read in small pieces: read(n) sets aside n bytes whatever the device
    // holds, and a workspace is a few hundred bytes.
    constexpr qint64 kPiece = 16 * 1024;
    QByteArray bytes;
    while (bytes.size() <= kMaxFileSize) {
        const QByteArray chunk = device.read(qMin(kPiece, kMaxFileSize + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return LoadWorkspace(bytes);
}

} // namespace mod_Workspace
