#include "help/TipModel.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/TextNumbers.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <array>
#include <cmath>
#include <memory>

namespace {

// Indexed by tip number - TipModel::FirstTip.
const std::array<const char16_t *, TipModel::TipCount> kTips = {
    u"Press \u2018S\u2019 to Saturate a color, \u2018D\u2019 to Desaturate it",
    u"Press \u2018Q\u2019 to Darken a color, \u2018W\u2019 to Lighten it",
    u"Quickly create a matching color scheme with the Matching Palette Selector",
    u"The Web Safe Palette helps you pick colors that will look right for all your users",
    u"Common colors are an easy way to add a general color to your palette",
    u"The Eyedropper tool has a handy zoom that lets you pick out the color of a single pixel",
    u"The Shades sidebar shows 20 shades of the selected color",
    u"The Favorites sidebar stores up to 8 colors for easy access",
    u"The Harmonies sidebar shows Complements, Split Complements, Analogous, Triad, and Tetrad "
    u"of the selected color",
    u"To select a color in your palette, simply click it",
    u"Right-click any color to access a menu with many handy features",
    u"The Web Preview is a great way to see how your palette will look on your website",
    u"The Vector Image Preview is a great way to see how your palette will look on your images",
    u"The Scroll Bar Preview is a great way to quickly generate custom scrollbar colors for "
    u"your website (Internet Explorer Only)",
    u"Color History shows you all of the colors that you have used",
    u"Export your Palette to a Photoshop Color Table (act) from the File > Export menu",
    u"Export your Palette to an Illustrator Swatch file (ai) from the File > Export menu",
    u"Export your Palette as an HTML page from the File > Export menu",
    u"Export your Palette as an XML page from the File > Export menu",
};

TipModel::RandomSource clockSeededSource()
{
    auto generator = std::make_shared<QRandomGenerator>(
        static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
    return [generator] { return generator->generateDouble(); };
}

} // namespace

TipModel::TipModel(RandomSource source) : m_source(source ? std::move(source) : clockSeededSource())
{
}

int TipModel::next()
{
    m_current = numberFor(m_source());
    return m_current;
}

QString TipModel::text(int number)
{
    if (number < FirstTip || number > LastTip)
        return {};
    return QString::fromUtf16(kTips[static_cast<std::size_t>(number - FirstTip)]);
}

int TipModel::numberFor(double r)
{
    if (!(r > 0.0)) // also catches NaN
        return FirstTip;
    if (r >= 1.0)
        return LastTip;
    return FirstTip + static_cast<int>(std::floor(r * TipCount));
}

bool TipModel::showAtStartup()
{
    const SettingKey &entry = SettingsKeys::ShowTipsAtStartup;
    return storedTextShowsTips(GetSetting(
        QLatin1String(entry.section), QLatin1String(entry.key), QLatin1String(entry.defaultValue)));
}

void TipModel::setShowAtStartup(bool show)
{
    const SettingKey &entry = SettingsKeys::ShowTipsAtStartup;
    SaveSetting(QLatin1String(entry.section), QLatin1String(entry.key),
        show ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TipModel::storedTextShowsTips(const QString &stored)
{
    // A text that is no number, or one beyond the integer range, is not "0".
    return TextNumbers::toInt(stored).value_or(1) != 0;
}
