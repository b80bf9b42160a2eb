#include "core/mod_ColorConversion.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

// The conversions are checked against step-by-step oracles over every colour
// (and over whole and half degrees for the way back); the tables only hold
// what the sweeps cannot reach: clamping, non-finite and huge inputs, and
// anchors that pin the oracles themselves. Expected floats are written with
// nine significant digits, so that each literal is that very float.

// Unoptimised and sanitizer builds run the all-colour sweeps with a stride.
#if !defined(__OPTIMIZE__) || defined(__SANITIZE_ADDRESS__)
#define TW_SLOW_BUILD 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TW_SLOW_BUILD 1
#endif
#endif

namespace {

// Every colour, or every 13th in slow builds (13 is prime to 256, so every
// component value still occurs in every position).
#ifdef TW_SLOW_BUILD
constexpr int kSweepStep = 13;
#else
constexpr int kSweepStep = 1;
#endif

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

QByteArray text(const RGBColor &c)
{
    return QByteArray::number(c.R) + "," + QByteArray::number(c.G) + "," + QByteArray::number(c.B);
}

QByteArray text(const HSVColor &c)
{
    return QByteArray::number(c.H, 'g', 9) + " " + QByteArray::number(c.S, 'g', 9) + " "
        + QByteArray::number(c.V, 'g', 9);
}

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
    // Sectors 0..5 of the hexcone; a negative hue falls to the last.
    const float sectors[6][3]
        = { { V, t, p }, { q, V, p }, { p, V, t }, { p, q, V }, { t, p, V }, { V, p, q } };
    const float *c = sectors[i < 0 ? 5 : i];
    return { round(float(c[0] * 255.0)), round(float(c[1] * 255.0)), round(float(c[2] * 255.0)) };
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
    void packing()
    {
        // The empty palette cell: masks see all ones, the truncating
        // divisions of the hex text see 0 for green and blue.
        QCOMPARE(text(ColorToRGB(kEmptyCell)), "255,255,255");
        QCOMPARE(QString::fromStdString(ColorToHex(kEmptyCell)), QStringLiteral("#FF0000"));
        QCOMPARE(QString::fromStdString(ColorToRGBString(0x0A0B0C)), QStringLiteral("12-11-10"));
        QCOMPARE(MakeColorValue(300, 0, 256), 0xFF00FF);
        QCOMPARE(MakeColorValue(-128, 255, -1), 0x00FF00);
    }

    // The sweep below compares with the oracle; these rows pin the oracle,
    // and reach units, huge and non-finite inputs the sweep does not.
    void hsvToRgb_data()
    {
        QTest::addColumn<QList<float>>("hsv");
        QTest::addColumn<QList<int>>("rgb");
        const QList<int> none { 0, 0, 0 };
        QTest::newRow("percent") << QList { 120.f, 50.f, 50.f } << QList { 64, 128, 64 };
        QTest::newRow("hue 1 is one degree") << QList { 1.f, 1.f, 1.f } << QList { 255, 4, 0 };
        QTest::newRow("orange back") << QList { 0.0836601853f, 1.f, 1.f } << QList { 255, 128, 0 };
        QTest::newRow("mixed units") << QList { 45.f, 25.f, 80.f } << QList { 204, 191, 153 };
        QTest::newRow("over-saturated") << QList { 0.f, 150.f, 1.f } << QList { 255, -128, -128 };
        QTest::newRow("beyond int range") << QList { 1e10f, 1.f, 1.f } << QList { 170, 0, 255 };
        QTest::newRow("NaN hue") << QList { kNaN, 1.f, 1.f } << none;
        QTest::newRow("infinite hue") << QList { -kInf, 1.f, 1.f } << none;
        QTest::newRow("infinite saturation") << QList { 0.f, kInf, 1.f } << none;
        QTest::newRow("NaN value") << QList { 0.f, 1.f, kNaN } << none;
        QTest::newRow("components beyond int") << QList { 0.f, -1e30f, 0.5f } << none;
    }
    void hsvToRgb()
    {
        QFETCH(QList<float>, hsv);
        QFETCH(QList<int>, rgb);
        const RGBColor expected { rgb[0], rgb[1], rgb[2] };
        QCOMPARE(text(HSVToRGB(hsv[0], hsv[1], hsv[2])), text(expected));
        QCOMPARE(HSVToColor({ hsv[0], hsv[1], hsv[2] }), MakeColorValue(rgb[0], rgb[1], rgb[2]));
    }

    void cmy()
    {
        const CMYColor orange = RGBToCMY(255, 128, 0);
        QVERIFY(orange == (CMYColor { 0.f, 0.498039216f, 1.f }));
        QCOMPARE(text(CMYToRGB(0.5f, 0.5f, 0.5f)), "128,128,128"); // 127.5 to even
        QCOMPARE(text(CMYToRGB(kNaN, 0.f, 0.f)), "0,0,0");
        for (int x = 0; x <= 255; ++x) {
            const CMYColor c = RGBToCMY(x, 255 - x, x);
            QCOMPARE(text(CMYToRGB(c.C, c.M, c.Y)), text(RGBColor { x, 255 - x, x }));
        }

        // C, M, Y in; C, M, Y, K out.
        const float rows[][7] = { { 1, 1, 1, 1, 1, 1, 1 }, // black keeps its inks
            { 0.2f, 0.2f, 0.2f, 0, 0, 0, 0.2f }, { 0.5f, 0.75f, 1, 0, 0.5f, 1, 0.5f },
            { 0.8f, 0.6f, 0.7f, 0.5f, 0, 0.25f, 0.6f } };
        for (const float *r : rows) {
            const CMYKColor k = CMYToCMYK(r[0], r[1], r[2]);
            QVERIFY2(std::fabs(k.C - r[3]) <= 1e-6f && std::fabs(k.M - r[4]) <= 1e-6f
                    && std::fabs(k.Y - r[5]) <= 1e-6f && k.K == r[6],
                qPrintable(QStringLiteral("%1 %2 %3").arg(r[0]).arg(r[1]).arg(r[2])));
        }
    }

    void rotateHue_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("degrees");
        QTest::addColumn<int>("rotated");
        QTest::newRow("red -30") << 0x0000FF << -30 << 0x8000FF;
        QTest::newRow("red +240") << 0x0000FF << 240 << 0xFF0000;
        QTest::newRow("red back a turn") << 0x0000FF << -360 << 0x0000FF;
        QTest::newRow("steel +90") << 0x336699 << 90 << 0x339933;
        QTest::newRow("grey has no hue") << 0x808080 << 77 << 0x808080;
        // A resulting hue strictly between 0 and 1 degree is read as a
        // fraction of the circle: orange (30.1 degrees) turned by -30 lands
        // at 42 degrees.
        QTest::newRow("below one degree") << 0x0080FF << -30 << 0x00B2FF;
        QTest::newRow("below one degree, unturned") << 0x0001FF << 0 << 0x00FF95;
    }
    void rotateHue()
    {
        QFETCH(int, color);
        QFETCH(int, degrees);
        QFETCH(int, rotated);
        QCOMPARE(QString::number(RotateHue(color, degrees), 16), QString::number(rotated, 16));
    }

    // Whole and half degrees over several turns either way, in every unit,
    // with saturations and values inside and outside 0..1.
    void hsvToRgbFollowsTheSteps()
    {
        const float saturations[] = { 0.f, 0.3f, 0.5f, 1.f, 35.f, 100.f, 150.f, -0.5f };
        const float values[] = { 0.f, 0.2f, 0.75f, 1.f, 50.f, 99.f, -0.3f };
        for (int halfDegrees = -2000; halfDegrees <= 2000; ++halfDegrees)
            for (float h : { halfDegrees * 0.5f, halfDegrees / 1440.f })
                for (float s : saturations)
                    for (float v : values) {
                        const RGBColor actual = HSVToRGB(h, s, v);
                        const RGBColor expected = referenceHsvToRgb(h, s, v);
                        if (!(actual == expected))
                            QFAIL(QByteArray::number(h) + " " + QByteArray::number(s) + " "
                                + QByteArray::number(v) + " gives " + text(actual) + ", expected "
                                + text(expected));
                    }
    }

    void everyColorPacksAndPrints()
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

    void everyColorConvertsToHsvExactly()
    {
        // Anchors for the oracle: each tie has a different last bit depending
        // on which channel wins; a hue below 0 wraps.
        const float anchors[][6] = { { 51, 102, 153, 0.583333313f, 0.666666687f, 0.600000024f },
            { 255, 255, 0, 0.166666687f, 1, 1 }, { 255, 0, 255, 0.833333313f, 1, 1 },
            { 0, 255, 255, 0.5f, 1, 1 }, { 255, 0, 1, 0.999346375f, 1, 1 } };
        for (const float *a : anchors)
            QCOMPARE(
                text(referenceRgbToHsv(a[0], a[1], a[2])), text(HSVColor { a[3], a[4], a[5] }));

        for (ColorValue c = 0; c <= kWhite; c += kSweepStep) {
            const RGBColor rgb = ColorToRGB(c);
            const HSVColor hsv = RGBToHSV(float(rgb.R), float(rgb.G), float(rgb.B));
            const HSVColor expected = referenceRgbToHsv(float(rgb.R), float(rgb.G), float(rgb.B));
            const bool inRange
                = hsv.H >= 0 && hsv.H <= 1 && hsv.S >= 0 && hsv.S <= 1 && hsv.V >= 0 && hsv.V <= 1;
            if (!(hsv == expected) || !inRange || !(ColorToHSV(c) == hsv))
                QFAIL(QByteArray::number(c, 16) + " gives " + text(hsv));
        }
    }

    // The largest and smallest component come back exactly; the middle one
    // can move by up to 2, because the hue is kept to whole degrees on the way
    // back and half a degree is worth up to 2.1 component steps.
    void everyColorSurvivesHsvRoundTrip()
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
                    QFAIL(QByteArray::number(c, 16) + " comes back as " + text(back));
                worst = std::max(worst, error);
            }
        }
        QVERIFY(worst > 0); // the sweep really compared something
    }

    void everyContrastColorMatchesRoundedDistance()
    {
        // Either side of the threshold of 63.5.
        QCOMPARE(GetContrastColor(0x7E7C60), kWhite); // distance 63.46
        QCOMPARE(GetContrastColor(0x7D7761), 0x82889E); // distance 63.52
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
};

QTEST_APPLESS_MAIN(TestColorConversion)
#include "test_colorconversion.moc"
