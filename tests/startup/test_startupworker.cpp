#include "startup/StartupWorker.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

class TestStartupWorker : public QObject {
    Q_OBJECT

private slots:
    void runsJobsInOrderOffTheCallersThread()
    {
        std::vector<int> order;
        std::atomic<bool> offThread = true;
        const auto caller = std::this_thread::get_id();
        {
            StartupWorker worker;
            worker.waitForFonts();
            for (int i = 0; i < 5; ++i) {
                worker.post([&, i] {
                    order.push_back(i);
                    if (std::this_thread::get_id() == caller)
                        offThread = false;
                });
            }
        } // the destructor runs what is still queued
        QCOMPARE(order, (std::vector<int> { 0, 1, 2, 3, 4 }));
        QVERIFY(offThread);

        // Once finished, a job runs at once; a second finish is harmless.
        StartupWorker worker;
        worker.finish();
        worker.post([&] { order.push_back(5); });
        QCOMPARE(order.size(), 6u);
        worker.finish();
    }
};

QTEST_GUILESS_MAIN(TestStartupWorker)
#include "test_startupworker.moc"
