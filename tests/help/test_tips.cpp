#include "app/Settings.h"
#include "help/frm_Tip.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QString kSection = QStringLiteral("Prefs");
const QString kKey = QStringLiteral("Show Tips at Startup");
const double kJustBelowOne = std::nextafter(1.0, 0.0);

QString storedPreference()
{
    return GetSetting(kSection, kKey, QStringLiteral("<absent>"));
}

// Plays back a fixed list of random values, then repeats the last one.
TipModel::RandomSource scripted(QList<double> values)
{
    auto index = std::make_shared<qsizetype>(0);
    return [values, index] { return values.at(std::min((*index)++, values.size() - 1)); };
}

template<typename T> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("control %s missing", name);
    return found;
}

// Lets pending deleteLater() calls of closed windows run.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

enum class CloseBy { OkButton, EscapeKey, CloseBox, OwnerGone };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

// The tips, their choice and the start-up preference; the window over them.
class TestTips : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsFilePath()); }

    void preference()
    {
        QVERIFY(TipModel::showAtStartup());
        TipModel::setShowAtStartup(false);
        QCOMPARE(storedPreference(), QStringLiteral("0"));
        QVERIFY(!TipModel::showAtStartup());
        TipModel::setShowAtStartup(true);
        QCOMPARE(storedPreference(), QStringLiteral("1"));

        // Texts written by hand: whole numbers after rounding half to even,
        // anything that is not a number counts as the default.
        SaveSetting(QStringLiteral("prefs"), QStringLiteral("show tips at startup"), " 00 ");
        QVERIFY(!TipModel::showAtStartup());
        QVERIFY(!TipModel::storedTextShowsTips(QStringLiteral("0.5")));
        QVERIFY(TipModel::storedTextShowsTips(QStringLiteral("1.5")));
        QVERIFY(TipModel::storedTextShowsTips(QStringLiteral("False")));
    }

    void tipsAndTheirChoice()
    {
        QVERIFY(TipModel::text(TipModel::FirstTip - 1).isEmpty());
        QVERIFY(TipModel::text(TipModel::LastTip + 1).isEmpty());
        QSet<QString> distinct;
        for (int number = 101; number <= 119; ++number)
            distinct.insert(TipModel::text(number));
        QVERIFY(!distinct.contains(QString()));
        QCOMPARE(distinct.size(), 19);
        // Typographic quotes, which an editor could turn into apostrophes.
        for (int number : { 101, 102 })
            QVERIFY(TipModel::text(number).contains(QChar(0x2018))
                && TipModel::text(number).contains(QChar(0x2019)));

        // Out-of-range random values clamp to the first or last tip.
        QCOMPARE(TipModel::numberFor(1.0), 119);
        QCOMPARE(TipModel::numberFor(std::numeric_limits<double>::quiet_NaN()), 101);
        TipModel model(scripted({ 0.0, kJustBelowOne, 0.5, 0.5 }));
        QCOMPARE(model.current(), 0);
        for (int expected : { 101, 119, 110, 110 }) // repeats are allowed
            QCOMPARE(model.next(), expected);
        QCOMPARE(model.currentText(), TipModel::text(110));
    }

    void startupFollowsThePreference()
    {
        QWidget owner;
        QPointer<frm_Tip> window = frm_Tip::DisplayCurrentTip(&owner);
        QVERIFY(window && window->isVisible() && !window->isModal());
        QCOMPARE(frm_Tip::ShowQuickTips(&owner), window.data()); // one at a time
        QVERIFY(control<QCheckBox>(window, "chkLoadTipsAtStartup")->isChecked());
        QCOMPARE(
            control<QLabel>(window, "lblTipText")->text(), TipModel::text(window->currentTip()));
        window->close();

        SaveSetting(kSection, kKey, QStringLiteral("0"));
        QCOMPARE(frm_Tip::DisplayCurrentTip(&owner), nullptr);
        frm_Tip *const closed = window;
        window = frm_Tip::ShowQuickTips(&owner);
        QVERIFY(window != closed);
        QVERIFY(!control<QCheckBox>(window, "chkLoadTipsAtStartup")->isChecked());
        QVERIFY(window->close());
        QCOMPARE(storedPreference(), QStringLiteral("0"));
        flushDeletes();
        QVERIFY(!window);
        QVERIFY(owner.findChildren<frm_Tip *>().isEmpty());
    }

    void closingStoresBox_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<CloseBy>("closeBy");
        QTest::addColumn<QString>("after");
        QTest::newRow("clear, OK") << "1" << true << CloseBy::OkButton << "0";
        QTest::newRow("clear, close box") << "1" << true << CloseBy::CloseBox << "0";
        QTest::newRow("tick, Escape") << "0" << true << CloseBy::EscapeKey << "1";
        QTest::newRow("clear, owner closes") << "1" << true << CloseBy::OwnerGone << "0";
        QTest::newRow("odd text, untouched") << "yes" << false << CloseBy::OkButton << "1";
    }
    void closingStoresBox()
    {
        QFETCH(QString, before);
        QFETCH(bool, toggle);
        QFETCH(CloseBy, closeBy);
        QFETCH(QString, after);
        SaveSetting(kSection, kKey, before);
        auto *owner = new QWidget;
        QPointer<frm_Tip> window = frm_Tip::ShowQuickTips(owner);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto *box = control<QCheckBox>(window, "chkLoadTipsAtStartup");
        const bool wasChecked = box->isChecked();
        if (toggle) {
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(box->isChecked(), !wasChecked);
        }
        // Nothing is written while the window is open.
        QCOMPARE(storedPreference(), before);

        if (closeBy == CloseBy::OkButton)
            QTest::mouseClick(control<QPushButton>(window, "cmdOK"), Qt::LeftButton);
        else if (closeBy == CloseBy::EscapeKey)
            QTest::keyClick(window, Qt::Key_Escape);
        else if (closeBy == CloseBy::CloseBox)
            window->close();
        if (closeBy != CloseBy::OwnerGone) {
            // Written on closing itself, not later when the window is deleted.
            QVERIFY(!window->isVisible());
            QCOMPARE(storedPreference(), after);
        }
        delete owner;
        flushDeletes();
        QVERIFY(!window);
        QCOMPARE(storedPreference(), after);
    }

    void nextTipFollowsGenerator()
    {
        QWidget owner;
        auto *window = new frm_Tip(&owner, scripted({ 0.0, kJustBelowOne }));
        window->show();
        auto *label = control<QLabel>(window, "lblTipText");
        QCOMPARE(label->text(), TipModel::text(101));
        const QSize size = window->size();
        QTest::mouseClick(control<QPushButton>(window, "cmdNextTip"), Qt::LeftButton);
        QCOMPARE(label->text(), TipModel::text(119));
        // The page is sized for the longest tip, so the window never jumps.
        QCOMPARE(window->size(), size);
    }
};

QTEST_MAIN(TestTips)
#include "test_tips.moc"
