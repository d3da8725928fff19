#include "GolfAdvisor.h"

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
    {
        const std::lock_guard lock(mutex);
        next = position;
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
        GolfPosition position;
        quint64 serial = 0;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return stopping || next; });
            if (stopping)
                return;
            position = *next;
            serial = nextSerial;
            next.reset();
            cancel = false;
        }
        const GolfAdvice advice = adviseOn(position, solver, &cancel);
        if (!advice.complete)
            continue;
        QMetaObject::invokeMethod(
            this, [this, serial, position, advice] { deliver(serial, position, advice); },
            Qt::QueuedConnection);
    }
}

void GolfAdvisor::deliver(quint64 serial, const GolfPosition &position, const GolfAdvice &advice)
{
    if (serial != waitingFor)
        return;
    delivered = serial;
    Q_EMIT advised(position, advice);
}
