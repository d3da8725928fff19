#include "GolfAdvisor.h"

#include "Random.h"

GolfAdvisor::GolfAdvisor(QObject *parent)
    : QObject(parent)
    , worker([this] { work(); })
{ }

GolfAdvisor::~GolfAdvisor()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
        cancel = true;
    }
    wake.notify_one();
    worker.join();
}

void GolfAdvisor::request(const GolfPosition &position)
{
    ask(position);
}

void GolfAdvisor::requestDeal(GolfLayout layout, unsigned seed,
                              std::chrono::milliseconds timeLimit)
{
    ask(DealRequest{layout, seed, timeLimit});
}

void GolfAdvisor::ask(const Request &request)
{
    {
        const std::lock_guard lock(mutex);
        next = request;
        nextSerial = ++waitingFor;
        cancel = true;
    }
    wake.notify_one();
}

void GolfAdvisor::withdraw()
{
    {
        const std::lock_guard lock(mutex);
        next.reset();
        cancel = true;
    }
    delivered = ++waitingFor;
}

void GolfAdvisor::work()
{
    for (;;) {
        Request request;
        quint64 serial = 0;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return stopping || next; });
            if (stopping)
                return;
            request = *next;
            serial = nextSerial;
            next.reset();
            cancel = false;
        }
        std::visit([this, serial](const auto &asked) { answer(serial, asked); }, request);
    }
}

void GolfAdvisor::answer(quint64 serial, const GolfPosition &position)
{
    const GolfAdvice advice = adviseOn(position, solver, &cancel);
    if (!advice.complete)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, serial, position, advice] {
            if (current(serial))
                Q_EMIT advised(position, advice);
        },
        Qt::QueuedConnection);
}

void GolfAdvisor::answer(quint64 serial, const DealRequest &deal)
{
    SeededRandom random(deal.seed);
    const GolfDealSearch search
        = findWinnableDeal(random, deal.layout, solver, deal.timeLimit, &cancel);
    if (!search.complete)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, serial, search] {
            if (current(serial))
                Q_EMIT dealFound(search);
        },
        Qt::QueuedConnection);
}

bool GolfAdvisor::current(quint64 serial)
{
    if (serial != waitingFor)
        return false;
    delivered = serial;
    return true;
}
