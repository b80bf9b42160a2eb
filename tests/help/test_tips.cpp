#include "app/Settings.h"
#include "help/frm_Tip.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
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

// Lets pending deleteLater() calls of closed windows run.
void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

enum class CloseBy { OkButton, EscapeKey, OwnerGone };

} // namespace

Q_DECLARE_METATYPE(CloseBy)

// The tips, their choice and the start-up preference; the window over them.
class TestTips : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsFilePath()); }

    // Texts written by hand: whole numbers after rounding half to even,
    // anything that is not a number counts as the default.
    void preference()
    {
        QVERIFY(TipModel::showAtStartup());
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
        for (int number = 101; number <= 119; ++number)
            QVERIFY(!TipModel::text(number).isEmpty());

        // Out-of-range random values clamp to the first or last tip.
        QCOMPARE(TipModel::numberFor(1.0), 119);
        QCOMPARE(TipModel::numberFor(std::numeric_limits<double>::quiet_NaN()), 101);
        TipModel model(scripted({ 0.0, kJustBelowOne, 0.5, 0.5 }));
        QCOMPARE(model.current(), 0);
        for (int expected : { 101, 119, 110, 110 }) // repeats are allowed
            QCOMPARE(model.next(), expected);
        QCOMPARE(model.currentText(), TipModel::text(110));
    }

    // Non-modal, one at a time, deleted on closing; Next Tip follows the
    // generator in a window sized for the longest tip, so it never jumps.
    void windowShowsOneTipAtATime()
    {
        QWidget owner;
        QPointer<frm_Tip> window = frm_Tip::DisplayCurrentTip(&owner);
        QVERIFY(window && window->isVisible() && !window->isModal());
        QCOMPARE(frm_Tip::ShowQuickTips(&owner), window.data());
        QVERIFY(window->close());
        flushDeletes();
        QVERIFY(!window);
        SaveSetting(kSection, kKey, QStringLiteral("0"));
        QCOMPARE(frm_Tip::DisplayCurrentTip(&owner), nullptr);

        window = new frm_Tip(&owner, scripted({ 0.0, kJustBelowOne }));
        window->show();
        auto *label = window->findChild<QLabel *>("lblTipText");
        QCOMPARE(label->text(), TipModel::text(101));
        const QSize size = window->size();
        QTest::mouseClick(window->findChild<QPushButton *>("cmdNextTip"), Qt::LeftButton);
        QCOMPARE(label->text(), TipModel::text(119));
        QCOMPARE(window->size(), size);
    }

    void closingStoresBox_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<CloseBy>("closeBy");
        QTest::addColumn<QString>("after");
        QTest::newRow("clear, OK") << "1" << true << CloseBy::OkButton << "0";
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
        auto *box = window->findChild<QCheckBox *>("chkLoadTipsAtStartup");
        const bool wasChecked = box->isChecked();
        if (toggle) {
            QTest::mouseClick(box, Qt::LeftButton);
            QCOMPARE(box->isChecked(), !wasChecked);
        }
        // Nothing is written while the window is open.
        QCOMPARE(storedPreference(), before);

        if (closeBy == CloseBy::OkButton)
            QTest::mouseClick(window->findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
        else if (closeBy == CloseBy::EscapeKey)
            QTest::keyClick(window, Qt::Key_Escape);
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
};

QTEST_MAIN(TestTips)
#include "test_tips.moc"
