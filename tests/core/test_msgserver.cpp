#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"

#include <QCoreApplication>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// A window-like subscriber: it holds the bus while it lives and records what
// it received together with the active colour it saw at that moment.
class Subscriber : public QObject {
public:
    Subscriber()
    {
        connect(cls_MsgServer::instance(), &cls_MsgServer::Notification, this,
            [this](const QString &sMsg) {
                messages.append(sMsg);
                colors.append(ProcessState::ActiveColor);
            });
    }

    QStringList messages;
    QList<ColorValue> colors;
};

} // namespace

class TestMsgServer : public QObject {
    Q_OBJECT

private slots:
    void deliversToEverySubscriberBeforeReturning();
    void messageWithoutSubscribersIsLost();
};

void TestMsgServer::deliversToEverySubscriberBeforeReturning()
{
    std::vector<std::unique_ptr<Subscriber>> subscribers;
    for (int k = 0; k < 3; ++k)
        subscribers.push_back(std::make_unique<Subscriber>());

    ProcessState::ActiveColor = 0x0080FF;
    cls_MsgServer::instance()->Notify(kActiveColorChanged);
    // No event loop ran: every handler must already have been called.
    for (const auto &s : subscribers) {
        QCOMPARE(s->messages, QStringList { kActiveColorChanged });
        QCOMPARE(s->colors, QList<ColorValue> { 0x0080FF });
    }

    // The same colour again still reaches everyone again.
    cls_MsgServer::instance()->Notify(kActiveColorChanged);
    for (const auto &s : subscribers)
        QCOMPARE(s->messages.size(), 2);
}

void TestMsgServer::messageWithoutSubscribersIsLost()
{
    cls_MsgServer::instance()->Notify(kActiveColorChanged); // must not fail

    // Nothing was queued for whoever subscribes later.
    Subscriber late;
    QCoreApplication::processEvents();
    QVERIFY(late.messages.isEmpty());
}

QTEST_GUILESS_MAIN(TestMsgServer)
#include "test_msgserver.moc"
