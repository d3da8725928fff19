#pragma once

#include "GolfAdvice.h"
#include "GolfWinnableDeal.h"

#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>

// The solver's thread, so the window never waits: it advises on the table's positions and
// looks for winnable deals. The worker gets its own copy of each request; a new request cancels
// the work before it, and only the answer to the latest request is delivered, on the window's
// thread.
class GolfAdvisor : public QObject
{
    Q_OBJECT
public:
    explicit GolfAdvisor(QObject *parent = nullptr);
    ~GolfAdvisor() override;

    void request(const GolfPosition &position);
    // Looks for a winnable deal of the layout, dealt from a generator with this seed, for at
    // most the time limit.
    void requestDeal(GolfLayout layout, unsigned seed, std::chrono::milliseconds timeLimit);
    // Whatever is being worked out is no longer wanted.
    void withdraw();
    bool busy() const { return waitingFor != delivered; }

Q_SIGNALS:
    void advised(const GolfPosition &position, const GolfAdvice &advice);
    void dealFound(const GolfDealSearch &search);

private:
    struct DealRequest
    {
        GolfLayout layout;
        unsigned seed = 0;
        std::chrono::milliseconds timeLimit{};
    };
    using Request = std::variant<GolfPosition, DealRequest>;

    void ask(const Request &request);
    void work();
    // Works the request out and delivers the answer unless it was cancelled.
    void answer(quint64 serial, const GolfPosition &position);
    void answer(quint64 serial, const DealRequest &deal);
    bool current(quint64 serial);

    // Touched on the window's thread only.
    quint64 waitingFor = 0;
    quint64 delivered = 0;

    std::mutex mutex;
    std::condition_variable wake;
    std::optional<Request> next;
    quint64 nextSerial = 0;
    bool stopping = false;
    std::atomic<bool> cancel{false};
    GolfSolver solver;
    std::thread worker;
};
