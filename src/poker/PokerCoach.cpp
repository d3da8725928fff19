#include "PokerCoach.h"

PokerCoach::PokerCoach(QObject *parent)
    : QObject(parent)
    , worker([this] { work(); })
{ }

PokerCoach::~PokerCoach()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    worker.join();
}

void PokerCoach::request(const PokerCards &hand)
{
    {
        const std::lock_guard lock(mutex);
        next = hand;
        nextSerial = ++asked;
    }
    wake.notify_one();
}

void PokerCoach::work()
{
    for (;;) {
        PokerCards hand{};
        quint64 serial = 0;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return stopping || next; });
            if (stopping)
                return;
            hand = *next;
            serial = nextSerial;
            next.reset();
        }
        // The first hand also tables the deck, which takes a moment.
        const std::optional<HoldValues> values = PokerOdds::fullDeck().holdValues(hand);
        if (!values)
            continue;
        QMetaObject::invokeMethod(
            this,
            [this, serial, hand, values = *values] {
                if (serial == asked)
                    Q_EMIT valued(hand, values);
            },
            Qt::QueuedConnection);
    }
}
