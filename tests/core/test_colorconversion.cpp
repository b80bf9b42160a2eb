#include "core/mod_ColorConversion.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

// Expected floats are the exact values the documented steps produce (each
// step in double, stored as a float), written with nine significant digits so
// that the literal is that very float. Where only an approximation is known
// the comparison allows 1e-6.

// Unoptimised and sanitizer builds run the all-colour sweeps with a stride.
#if !defined(__OPTIMIZE__) || defined(__SANITIZE_ADDRESS__)
#define TW_SLOW_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TW_SLOW_BUILD 1
#endif
#endif

namespace {

// Sweeps visit every colour, or every 13th in slow builds (13 is prime to
// 256, so every component value still occurs in every position).
#ifdef TW_SLOW_BUILD
constexpr int kSweepStep = 13;
#else
constexpr int kSweepStep = 1;
#endif

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

bool sameFloat(float actual, float expected, float tolerance)
{
    return tolerance == 0 ? actual == expected : std::fabs(actual - expected) <= tolerance;
}

QByteArray floatMismatch(const char *what, float actual, float expected)
{
    return QByteArray(what) + ": " + QByteArray::number(actual, 'g', 9) + ", expected "
        + QByteArray::number(expected, 'g', 9);
}

// QCOMPARE on floats is fuzzy; these conversions have to match to the bit.
#define COMPARE_FLOAT(actual, expected, tolerance)                                                 \
    QVERIFY2(sameFloat(actual, expected, tolerance),                                               \
        floatMismatch(#actual, actual, expected).constData())

QByteArray componentsText(const RGBColor &c)
{
    return QByteArray::number(c.R) + "," + QByteArray::number(c.G) + "," + QByteArray::number(c.B);
}

#define COMPARE_RGB(actual, r, g, b)                                                               \
    QCOMPARE(componentsText(actual), componentsText(RGBColor { r, g, b }))

// The hexcone conversion written out step by step with plain divisions and
// branches: the oracle for the optimised RGBToHSV.
HSVColor referenceRgbToHsv(float R, float G, float B)
{
    const float r = float(R / 255.0), g = float(G / 255.0), b = float(B / 255.0);
    const float min = std::min({ r, g, b }), max = std::max({ r, g, b });
    const float d = float(double(max) - min);
    if (d == 0)
        return { 0, 0, max };
    auto delta = [&](float x) { return float(((double(max) - x) / 6 + double(d) / 2) / d); };
    float H = 0;
    if (r == max)
        H = float(double(delta(b)) - delta(g));
    else if (g == max)
        H = float(1.0 / 3 + delta(r) - delta(b));
    else
        H = float(2.0 / 3 + delta(g) - delta(r));
    if (H < 0)
        H = float(H + 1.0);
    if (H > 1)
        H = float(H - 1.0);
    return { H, float(double(d) / max), max };
}

// The inverse, likewise step by step (nearbyint, floor, fmod, a switch), for
// inputs that have a result.
RGBColor referenceHsvToRgb(float H, float S, float V)
{
    if (S > 1)
        S = float(S * 0.01);
    if (V > 1)
        V = float(V * 0.01);
    if (H < 1)
        H = float(H * 360.0);
    auto round = [](float x) { return int(std::nearbyint(x)); };
    if (S == 0) {
        const int grey = round(float(V * 255.0));
        return { grey, grey, grey };
    }
    const int h = int(std::fmod(std::nearbyint(double(H)), 360.0));
    const float hs = float(h / 60.0);
    const int i = int(std::floor(hs));
    const float f = float(hs - i);
    const float p = float((1.0 - S) * V);
    const float q = float((1.0 - double(f) * S) * V);
    const float t = float((1.0 - (1.0 - f) * double(S)) * V);
    float r = V, g = p, b = q;
    switch (i) {
    case 0:
        r = V, g = t, b = p;
        break;
    case 1:
        r = q, g = V, b = p;
        break;
    case 2:
        r = p, g = V, b = t;
        break;
    case 3:
        r = p, g = q, b = V;
        break;
    case 4:
        r = t, g = p, b = V;
        break;
    }
    return { round(float(r * 255.0)), round(float(g * 255.0)), round(float(b * 255.0)) };
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1; // lower case is wrong too
}

} // namespace

class TestColorConversion : public QObject {
    Q_OBJECT

private slots:
    void components_data();
    void components();
    void makeColorValue_data();
    void makeColorValue();
    void rgbToHsv_data();
    void rgbToHsv();
    void hsvToRgb_data();
    void hsvToRgb();
    void hsvToColor_data();
    void hsvToColor();
    void cmy();
    void cmyToCmyk_data();
    void cmyToCmyk();
    void rotateHue_data();
    void rotateHue();
    void contrastColor_data();
    void contrastColor();

    void hsvToRgbFollowsTheSteps();
    void everyColorPacksAndPrints();
    void everyColorConvertsToHsvExactly();
    void everyColorSurvivesHsvRoundTrip();
    void everyContrastColorMatchesRoundedDistance();
};

void TestColorConversion::components_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<QString>("hex");

    QTest::newRow("orange") << 0x0080FF << 255 << 128 << 0 << "255-128-0"
                            << "#FF8000";
    QTest::newRow("black") << 0 << 0 << 0 << 0 << "0-0-0"
                           << "#000000";
    QTest::newRow("white") << 0xFFFFFF << 255 << 255 << 255 << "255-255-255"
                           << "#FFFFFF";
    QTest::newRow("single digits") << 0x000102 << 2 << 1 << 0 << "2-1-0"
                                   << "#020100";
    QTest::newRow("red first") << 0x0A0B0C << 12 << 11 << 10 << "12-11-10"
                               << "#0C0B0A";
    // The empty palette cell: masks see all ones, the truncating divisions of
    // the hex text see 0 for green and blue.
    QTest::newRow("empty cell") << -1 << 255 << 255 << 255 << "255-255-255"
                                << "#FF0000";
}

void TestColorConversion::components()
{
    QFETCH(int, color);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(QString, rgbText);
    QFETCH(QString, hex);

    COMPARE_RGB(ColorToRGB(color), r, g, b);
    QCOMPARE(QString::fromStdString(ColorToRGBString(color)), rgbText);
    QCOMPARE(QString::fromStdString(ColorToHex(color)), hex);
}

void TestColorConversion::makeColorValue_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("color");

    QTest::newRow("orange") << 255 << 128 << 0 << 0x0080FF;
    QTest::newRow("red first") << 12 << 11 << 10 << 0x0A0B0C;
    QTest::newRow("above 255 is 255") << 300 << 0 << 256 << 0xFF00FF;
    QTest::newRow("negative is 0") << -128 << 255 << -1 << 0x00FF00;
    QTest::newRow("all negative") << -1 << -1 << -1 << 0;
}

void TestColorConversion::makeColorValue()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(int, color);
    QCOMPARE(MakeColorValue(r, g, b), color);
}

void TestColorConversion::rgbToHsv_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<float>("h");
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("v");
    QTest::addColumn<float>("hueTolerance");

    QTest::newRow("orange") << 255 << 128 << 0 << 0.0836602f << 1.f << 1.f << 1e-6f;
    QTest::newRow("steel blue") << 51 << 102 << 153 << 0.583333313f << 0.666666687f << 0.600000024f
                                << 0.f;
    QTest::newRow("black") << 0 << 0 << 0 << 0.f << 0.f << 0.f << 0.f;
    QTest::newRow("white") << 255 << 255 << 255 << 0.f << 0.f << 1.f << 0.f;
    QTest::newRow("grey") << 128 << 128 << 128 << 0.f << 0.f << 0.501960814f << 0.f;
    QTest::newRow("red") << 255 << 0 << 0 << 0.f << 1.f << 1.f << 0.f;
    QTest::newRow("green") << 0 << 255 << 0 << 1.f / 3 << 1.f << 1.f << 0.f;
    QTest::newRow("blue") << 0 << 0 << 255 << 2.f / 3 << 1.f << 1.f << 0.f;
    QTest::newRow("red-magenta") << 255 << 0 << 128 << 0.9163398f << 1.f << 1.f << 1e-6f;
    QTest::newRow("negative hue wraps") << 255 << 0 << 1 << 0.999346375f << 1.f << 1.f << 0.f;
    QTest::newRow("darkest red") << 1 << 0 << 0 << 0.f << 1.f << 0.00392156886f << 0.f;
    QTest::newRow("pale red") << 200 << 100 << 100 << 0.f << 0.5f << 0.784313738f << 0.f;
    // Each tie has a different last bit depending on which channel wins.
    QTest::newRow("red wins over green") << 255 << 255 << 0 << 0.166666687f << 1.f << 1.f << 0.f;
    QTest::newRow("red wins over blue") << 255 << 0 << 255 << 0.833333313f << 1.f << 1.f << 0.f;
    QTest::newRow("green wins over blue") << 0 << 255 << 255 << 0.5f << 1.f << 1.f << 0.f;
}

void TestColorConversion::rgbToHsv()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(float, h);
    QFETCH(float, s);
    QFETCH(float, v);
    QFETCH(float, hueTolerance);

    const HSVColor hsv = RGBToHSV(float(r), float(g), float(b));
    COMPARE_FLOAT(hsv.H, h, hueTolerance);
    COMPARE_FLOAT(hsv.S, s, 0.f);
    COMPARE_FLOAT(hsv.V, v, 0.f);
}

void TestColorConversion::hsvToRgb_data()
{
    QTest::addColumn<float>("h");
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("v");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");

    QTest::newRow("fractions") << 0.5f << 1.f << 1.f << 0 << 255 << 255;
    QTest::newRow("degrees and percent") << 180.f << 100.f << 100.f << 0 << 255 << 255;
    QTest::newRow("percent") << 120.f << 50.f << 50.f << 64 << 128 << 64;
    QTest::newRow("degrees and fractions") << 120.f << 0.5f << 0.5f << 64 << 128 << 64;
    QTest::newRow("orange back") << 0.0836601853f << 1.f << 1.f << 255 << 128 << 0;
    QTest::newRow("hue 1 is one degree") << 1.f << 1.f << 1.f << 255 << 4 << 0;
    QTest::newRow("S and V 1 are fractions") << 0.f << 1.f << 1.f << 255 << 0 << 0;
    QTest::newRow("359.5 rounds to 360") << 359.5f << 1.f << 1.f << 255 << 0 << 0;
    QTest::newRow("half degree to even") << 120.5f << 1.f << 1.f << 0 << 255 << 0;
    QTest::newRow("half degree up to even") << 121.5f << 1.f << 1.f << 0 << 255 << 8;
    QTest::newRow("beyond a turn") << 400.f << 1.f << 1.f << 255 << 170 << 0;
    QTest::newRow("beyond int range") << 1e10f << 1.f << 1.f << 170 << 0 << 255;
    QTest::newRow("sector 5") << 330.f << 1.f << 1.f << 255 << 0 << 128;
    QTest::newRow("negative whole turns") << -30.f << 1.f << 1.f << 255 << 0 << 0;
    QTest::newRow("negative sector") << -0.5f << 1.f << 1.f << 255 << 0 << 255;
    QTest::newRow("grey 127.5 to even") << 200.f << 0.f << 0.5f << 128 << 128 << 128;
    QTest::newRow("grey in percent") << 0.f << 0.f << 50.f << 128 << 128 << 128;
    QTest::newRow("mixed units") << 45.f << 25.f << 80.f << 204 << 191 << 153;
    QTest::newRow("fraction hue, S and V") << 0.25f << 0.5f << 0.75f << 143 << 191 << 96;
    QTest::newRow("magenta, percent V") << 300.f << 1.f << 50.f << 128 << 0 << 128;
    QTest::newRow("over-saturated") << 0.f << 150.f << 1.f << 255 << -128 << -128;
    QTest::newRow("non-finite") << kNaN << 1.f << 1.f << 0 << 0 << 0;
    QTest::newRow("beyond int components") << 0.f << -1e30f << 0.5f << 0 << 0 << 0;
}

void TestColorConversion::hsvToRgb()
{
    QFETCH(float, h);
    QFETCH(float, s);
    QFETCH(float, v);
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    COMPARE_RGB(HSVToRGB(h, s, v), r, g, b);
}

void TestColorConversion::hsvToColor_data()
{
    QTest::addColumn<float>("h");
    QTest::addColumn<float>("s");
    QTest::addColumn<float>("v");
    QTest::addColumn<int>("color");

    QTest::newRow("cyan") << 0.5f << 1.f << 1.f << 0xFFFF00;
    QTest::newRow("negative components are 0") << 0.f << 150.f << 1.f << 0x0000FF;
    QTest::newRow("negative value") << 0.f << 0.5f << -0.2f << kBlack;
    QTest::newRow("NaN hue") << kNaN << 0.f << 0.5f << kBlack;
    QTest::newRow("infinite hue") << -kInf << 1.f << 1.f << kBlack;
    QTest::newRow("infinite saturation") << 0.f << kInf << 1.f << kBlack;
    QTest::newRow("NaN value") << 0.f << 1.f << kNaN << kBlack;
    QTest::newRow("components beyond int") << 0.f << -1e30f << 0.5f << kBlack;
}

void TestColorConversion::hsvToColor()
{
    QFETCH(float, h);
    QFETCH(float, s);
    QFETCH(float, v);
    QFETCH(int, color);
    QCOMPARE(HSVToColor({ h, s, v }), color);
}

void TestColorConversion::cmy()
{
    const CMYColor orange = RGBToCMY(255, 128, 0);
    COMPARE_FLOAT(orange.C, 0.f, 0.f);
    COMPARE_FLOAT(orange.M, 0.498039216f, 0.f);
    COMPARE_FLOAT(orange.Y, 1.f, 0.f);
    COMPARE_RGB(CMYToRGB(orange.C, orange.M, orange.Y), 255, 128, 0);
    COMPARE_RGB(CMYToRGB(0.5f, 0.5f, 0.5f), 128, 128, 128); // 127.5 to even
    COMPARE_RGB(CMYToRGB(1.f, 1.f, 1.f), 0, 0, 0);
    COMPARE_RGB(CMYToRGB(kNaN, 0.f, 0.f), 0, 0, 0);

    for (int x = 0; x <= 255; ++x) {
        const CMYColor c = RGBToCMY(x, 255 - x, x);
        COMPARE_RGB(CMYToRGB(c.C, c.M, c.Y), x, 255 - x, x);
    }
}

void TestColorConversion::cmyToCmyk_data()
{
    QTest::addColumn<float>("c");
    QTest::addColumn<float>("m");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("outC");
    QTest::addColumn<float>("outM");
    QTest::addColumn<float>("outY");
    QTest::addColumn<float>("outK");

    QTest::newRow("black keeps its inks") << 1.f << 1.f << 1.f << 1.f << 1.f << 1.f << 1.f;
    QTest::newRow("white") << 0.f << 0.f << 0.f << 0.f << 0.f << 0.f << 0.f;
    QTest::newRow("orange") << 0.f << 0.498039216f << 1.f << 0.f << 0.498039216f << 1.f << 0.f;
    QTest::newRow("grey is all key") << 0.2f << 0.2f << 0.2f << 0.f << 0.f << 0.f << 0.2f;
    QTest::newRow("half key") << 0.5f << 0.75f << 1.f << 0.f << 0.5f << 1.f << 0.5f;
    QTest::newRow("key from magenta") << 0.8f << 0.6f << 0.7f << 0.5f << 0.f << 0.25f << 0.6f;
}

void TestColorConversion::cmyToCmyk()
{
    QFETCH(float, c);
    QFETCH(float, m);
    QFETCH(float, y);
    QFETCH(float, outC);
    QFETCH(float, outM);
    QFETCH(float, outY);
    QFETCH(float, outK);

    const CMYKColor cmyk = CMYToCMYK(c, m, y);
    COMPARE_FLOAT(cmyk.C, outC, 1e-6f);
    COMPARE_FLOAT(cmyk.M, outM, 1e-6f);
    COMPARE_FLOAT(cmyk.Y, outY, 1e-6f);
    COMPARE_FLOAT(cmyk.K, outK, 0.f);
}

void TestColorConversion::rotateHue_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("degrees");
    QTest::addColumn<int>("rotated");

    QTest::newRow("red -30") << 0x0000FF << -30 << 0x8000FF;
    QTest::newRow("red +120") << 0x0000FF << 120 << 0x00FF00;
    QTest::newRow("red +240") << 0x0000FF << 240 << 0xFF0000;
    QTest::newRow("red full turn") << 0x0000FF << 360 << 0x0000FF;
    QTest::newRow("red back a turn") << 0x0000FF << -360 << 0x0000FF;
    QTest::newRow("orange unchanged") << 0x0080FF << 0 << 0x0080FF;
    QTest::newRow("steel +90") << 0x336699 << 90 << 0x339933;
    QTest::newRow("grey has no hue") << 0x808080 << 77 << 0x808080;
    QTest::newRow("white") << 0xFFFFFF << 45 << 0xFFFFFF;
    // A resulting hue strictly between 0 and 1 degree is read as a fraction of
    // the circle: orange (30.1 degrees) turned by -30 lands at 42 degrees.
    QTest::newRow("below one degree") << 0x0080FF << -30 << 0x00B2FF;
    QTest::newRow("below one degree, unturned") << 0x0001FF << 0 << 0x00FF95;
}

void TestColorConversion::rotateHue()
{
    QFETCH(int, color);
    QFETCH(int, degrees);
    QFETCH(int, rotated);
    QCOMPARE(QString::number(RotateHue(color, degrees), 16), QString::number(rotated, 16));
}

void TestColorConversion::contrastColor_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("contrast");

    QTest::newRow("black") << 0x000000 << 0xFFFFFF;
    QTest::newRow("white") << 0xFFFFFF << 0x000000;
    QTest::newRow("middle grey") << 0x808080 << 0xFFFFFF;
    QTest::newRow("blue") << 0xFF0000 << 0x00FFFF;
    QTest::newRow("distance 63.46") << 0x7E7C60 << 0xFFFFFF;
    QTest::newRow("distance 63.52") << 0x7D7761 << 0x82889E;
}

void TestColorConversion::contrastColor()
{
    QFETCH(int, color);
    QFETCH(int, contrast);
    QCOMPARE(GetContrastColor(color), contrast);
}

// Whole and half degrees over several turns either way, in every unit, with
// saturations and values inside and outside 0..1.
void TestColorConversion::hsvToRgbFollowsTheSteps()
{
    const float saturations[] = { 0.f, 0.3f, 0.5f, 1.f, 35.f, 100.f, 150.f, -0.5f };
    const float values[] = { 0.f, 0.2f, 0.75f, 1.f, 50.f, 99.f, -0.3f };
    for (int halfDegrees = -2000; halfDegrees <= 2000; ++halfDegrees) {
        const float hues[] = { halfDegrees * 0.5f, halfDegrees / 1440.f };
        for (float h : hues)
            for (float s : saturations)
                for (float v : values) {
                    const RGBColor actual = HSVToRGB(h, s, v);
                    const RGBColor expected = referenceHsvToRgb(h, s, v);
                    if (!(actual == expected))
                        QFAIL(qPrintable(QStringLiteral("%1 %2 %3 gives %4, expected %5")
                                             .arg(double(h))
                                             .arg(double(s))
                                             .arg(double(v))
                                             .arg(componentsText(actual).constData())
                                             .arg(componentsText(expected).constData())));
                }
    }
}

void TestColorConversion::everyColorPacksAndPrints()
{
    for (ColorValue c = 0; c <= kWhite; c += kSweepStep) {
        const RGBColor rgb = ColorToRGB(c);
        if (MakeColorValue(rgb.R, rgb.G, rgb.B) != c)
            QFAIL(qPrintable(QStringLiteral("round trip of %1").arg(c, 6, 16)));
        const std::string hex = ColorToHex(c);
        const int parts[3] = { rgb.R, rgb.G, rgb.B };
        bool ok = hex.size() == 7 && hex[0] == '#';
        for (int k = 0; ok && k < 3; ++k)
            ok = hexDigit(hex[1 + 2 * k]) * 16 + hexDigit(hex[2 + 2 * k]) == parts[k]
                && hexDigit(hex[1 + 2 * k]) >= 0 && hexDigit(hex[2 + 2 * k]) >= 0;
        if (!ok)
            QFAIL(qPrintable(
                QStringLiteral("%1 for %2").arg(QString::fromStdString(hex)).arg(c, 6, 16)));
    }
}

void TestColorConversion::everyColorConvertsToHsvExactly()
{
    for (ColorValue c = 0; c <= kWhite; c += kSweepStep) {
        const RGBColor rgb = ColorToRGB(c);
        const HSVColor hsv = RGBToHSV(float(rgb.R), float(rgb.G), float(rgb.B));
        const HSVColor expected = referenceRgbToHsv(float(rgb.R), float(rgb.G), float(rgb.B));
        const bool inRange
            = hsv.H >= 0 && hsv.H <= 1 && hsv.S >= 0 && hsv.S <= 1 && hsv.V >= 0 && hsv.V <= 1;
        if (!(hsv == expected) || !inRange || !(ColorToHSV(c) == hsv))
            QFAIL(qPrintable(QStringLiteral("%1 gives %2 %3 %4")
                                 .arg(c, 6, 16)
                                 .arg(double(hsv.H), 0, 'g', 9)
                                 .arg(double(hsv.S), 0, 'g', 9)
                                 .arg(double(hsv.V), 0, 'g', 9)));
    }
}

// The largest and smallest component come back exactly; the middle one can
// move by up to 2, because the hue is kept to whole degrees on the way back
// and half a degree is worth up to 2.1 component steps.
void TestColorConversion::everyColorSurvivesHsvRoundTrip()
{
    int worst = 0;
    for (ColorValue c = 0; c <= kWhite; c += kSweepStep) {
        const RGBColor rgb = ColorToRGB(c);
        const RGBColor back
            = ColorToRGB(HSVToColor(RGBToHSV(float(rgb.R), float(rgb.G), float(rgb.B))));
        const int max = std::max({ rgb.R, rgb.G, rgb.B });
        const int min = std::min({ rgb.R, rgb.G, rgb.B });
        const int before[3] = { rgb.R, rgb.G, rgb.B };
        const int after[3] = { back.R, back.G, back.B };
        for (int k = 0; k < 3; ++k) {
            const int error = std::abs(before[k] - after[k]);
            const bool extreme = before[k] == max || before[k] == min;
            if (error > (extreme ? 0 : 2))
                QFAIL(qPrintable(QStringLiteral("%1 comes back as %2")
                                     .arg(c, 6, 16)
                                     .arg(MakeColorValue(back.R, back.G, back.B), 6, 16)));
            worst = std::max(worst, error);
        }
    }
    QVERIFY(worst > 0); // the sweep really compared something
}

void TestColorConversion::everyContrastColorMatchesRoundedDistance()
{
    for (ColorValue c = 0; c <= kWhite; c += kSweepStep) {
        const RGBColor a = ColorToRGB(c);
        const RGBColor b = ColorToRGB(c ^ 0xFFFFFF);
        const double dist = std::sqrt(double(a.R - b.R) * (a.R - b.R)
            + double(a.G - b.G) * (a.G - b.G) + double(a.B - b.B) * (a.B - b.B));
        const ColorValue expected = std::nearbyint(dist) < 64 ? kWhite : (c ^ 0xFFFFFF);
        if (GetContrastColor(c) != expected)
            QFAIL(qPrintable(QStringLiteral("contrast of %1").arg(c, 6, 16)));
    }
}

QTEST_APPLESS_MAIN(TestColorConversion)
#include "test_colorconversion.moc"
