#pragma once

#include "GolfAdvice.h"

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Asks the solver about the table's positions on a thread of its own, so the window never
// waits. The worker gets its own copy of each position; a new request cancels the search
// before it, and only the answer to the latest request is delivered, on the window's thread.
class GolfAdvisor : public QObject
{
    Q_OBJECT
public:
    explicit GolfAdvisor(QObject *parent = nullptr);
    ~GolfAdvisor() override;

    void request(const GolfPosition &position);
    // Whatever is being worked out is no longer wanted.
    void withdraw();
    bool busy() const { return waitingFor != delivered; }

Q_SIGNALS:
    void advised(const GolfPosition &position, const GolfAdvice &advice);

private:
    void work();
    void deliver(quint64 serial, const GolfPosition &position, const GolfAdvice &advice);

    // Touched on the window's thread only.
    quint64 waitingFor = 0;
    quint64 delivered = 0;

    std::mutex mutex;
    std::condition_variable wake;
    std::optional<GolfPosition> next;
    quint64 nextSerial = 0;
    bool stopping = false;
    std::atomic<bool> cancel{false};
    GolfSolver solver;
    std::thread worker;
};
