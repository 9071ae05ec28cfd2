// The progress relay as the launcher uses it: reports made on a worker
// thread reach a listener on the GUI thread queued, complete and in order.
#include "adapter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Runs the event loop of the calling thread until done() or 10 s passed.
template <typename Done>
bool SpinUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return done();
}

TEST(NotifyAdapter, IsOneInstanceForAllThreads) {
    Notify_Adapter* here = &Notify_Adapter::GetInstance();
    Notify_Adapter* there = nullptr;
    std::thread t([&there] { there = &Notify_Adapter::GetInstance(); });
    t.join();
    EXPECT_EQ(here, there);
    EXPECT_EQ(here->thread(), QThread::currentThread());
}

TEST(NotifyAdapter, ReportsFromAWorkerArriveQueuedAndInOrder) {
    const int kSteps = 2000;
    QObject listener;  // lives on this (the GUI) thread
    std::vector<std::string> events;
    std::vector<std::pair<int, int>> steps;
    bool all_on_listener_thread = true;
    Notify_Adapter& relay = Notify_Adapter::GetInstance();
    QObject::connect(&relay, &Notify_Adapter::sigUpdateDialogText, &listener, [&](QString text) {
        all_on_listener_thread &= QThread::currentThread() == listener.thread();
        events.push_back("text:" + text.toStdString());
    });
    QObject::connect(&relay, &Notify_Adapter::sigUpdateProgress, &listener,
                     [&](int total, int current) {
                         all_on_listener_thread &= QThread::currentThread() == listener.thread();
                         events.push_back("progress");
                         steps.emplace_back(total, current);
                     });

    std::thread worker([&relay] {
        relay.UpdateDialogText(QStringLiteral("preparing"));
        for (int i = 1; i <= kSteps; ++i) relay.UpdateProgress(kSteps, i);
        relay.UpdateDialogText(QStringLiteral("done"));
    });
    worker.join();
    // Nothing is delivered before this thread runs its event loop: the
    // connection is queued, not direct.
    EXPECT_TRUE(events.empty());

    ASSERT_TRUE(SpinUntil([&] { return events.size() == kSteps + 2u; })) << events.size();
    EXPECT_TRUE(all_on_listener_thread);
    EXPECT_EQ(events.front(), "text:preparing");
    EXPECT_EQ(events.back(), "text:done");
    ASSERT_EQ(steps.size(), static_cast<size_t>(kSteps));
    for (int i = 0; i < kSteps; ++i) {
        ASSERT_EQ(steps[i], std::make_pair(kSteps, i + 1)) << "at " << i;
    }
}

TEST(NotifyAdapter, ReportsWithoutListenerAreHarmless) {
    Notify_Adapter& relay = Notify_Adapter::GetInstance();
    int received = 0;
    {
        QObject gone;
        QObject::connect(&relay, &Notify_Adapter::sigUpdateProgress, &gone,
                         [&received](int, int) { ++received; });
    }  // destroying the listener disconnects it
    std::thread worker([&relay] {
        relay.UpdateProgress(10, 1);
        relay.UpdateDialogText(QStringLiteral("nobody listens"));
    });
    worker.join();
    relay.UpdateProgress(10, 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(received, 0);
}

}  // namespace

// Queued delivery needs an event loop on this thread, nothing graphical.
int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
