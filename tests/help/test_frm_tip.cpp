#include "app/Settings.h"
#include "help/frm_Tip.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cmath>

namespace {

const QString kSection = QStringLiteral("Prefs");
const QString kKey = QStringLiteral("Show Tips at Startup");

QString storedPreference()
{
    return GetSetting(kSection, kKey, QStringLiteral("<absent>"));
}

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

class TestFrmTip : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Runs first: the settings folder of this test starts empty.
    void noPreferenceShowsTickedAtStartup();
    void zeroPreferenceShowsNothingAtStartup();
    void closingStoresBox_data();
    void closingStoresBox();
    void nextTipFollowsGenerator();
    void quickTipsReusesOpenWindow();
};

void TestFrmTip::noPreferenceShowsTickedAtStartup()
{
    QCOMPARE(storedPreference(), QStringLiteral("<absent>"));
    QWidget owner;
    QPointer<frm_Tip> window = frm_Tip::DisplayCurrentTip(&owner);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(control<QCheckBox>(window, "chkLoadTipsAtStartup")->isChecked());
    const int tip = window->currentTip();
    QVERIFY(tip >= 101 && tip <= 119);
    QCOMPARE(control<QLabel>(window, "lblTipText")->text(), TipModel::text(tip));
}

void TestFrmTip::zeroPreferenceShowsNothingAtStartup()
{
    SaveSetting(kSection, kKey, QStringLiteral("0"));
    QWidget owner;
    QCOMPARE(frm_Tip::DisplayCurrentTip(&owner), nullptr);
    QVERIFY(owner.findChildren<frm_Tip *>().isEmpty());

    QPointer<frm_Tip> window = frm_Tip::ShowQuickTips(&owner);
    QVERIFY(window);
    QVERIFY(!control<QCheckBox>(window, "chkLoadTipsAtStartup")->isChecked());
    QVERIFY(window->close());
    QCOMPARE(storedPreference(), QStringLiteral("0"));
    flushDeletes();
    QVERIFY(!window);
}

void TestFrmTip::closingStoresBox_data()
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

void TestFrmTip::closingStoresBox()
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

    switch (closeBy) {
    case CloseBy::OkButton:
        QTest::mouseClick(control<QPushButton>(window, "cmdOK"), Qt::LeftButton);
        break;
    case CloseBy::EscapeKey:
        QTest::keyClick(window, Qt::Key_Escape);
        break;
    case CloseBy::CloseBox:
        window->close();
        break;
    case CloseBy::OwnerGone:
        break;
    }
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

void TestFrmTip::nextTipFollowsGenerator()
{
    QWidget owner;
    auto *window = new frm_Tip(&owner, scripted({ 0.0, std::nextafter(1.0, 0.0), 0.5, 0.5 }));
    window->show();
    auto *label = control<QLabel>(window, "lblTipText");
    auto *next = control<QPushButton>(window, "cmdNextTip");
    QCOMPARE(label->text(), TipModel::text(101));
    const QSize size = window->size();

    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(label->text(), TipModel::text(119));
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(label->text(), TipModel::text(110));
    // The page is sized for the longest tip, so the window never jumps.
    QCOMPARE(window->size(), size);
}

void TestFrmTip::quickTipsReusesOpenWindow()
{
    SaveSetting(kSection, kKey, QStringLiteral("1"));
    QWidget owner;
    frm_Tip *first = frm_Tip::ShowQuickTips(&owner);
    QCOMPARE(frm_Tip::ShowQuickTips(&owner), first);
    QCOMPARE(frm_Tip::DisplayCurrentTip(&owner), first);
    QCOMPARE(owner.findChildren<frm_Tip *>().size(), 1);

    first->close();
    frm_Tip *second = frm_Tip::ShowQuickTips(&owner);
    QVERIFY(second != first);
    QVERIFY(second->isVisible());
}

QTEST_MAIN(TestFrmTip)
#include "test_frm_tip.moc"
