#pragma once

#include "PokerOdds.h"

#include <QObject>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

// Values the holds of each dealt hand on a thread of its own, so the window never waits. Only
// the answer to the latest hand asked about is delivered, on the window's thread.
class PokerCoach : public QObject
{
    Q_OBJECT
public:
    explicit PokerCoach(QObject *parent = nullptr);
    ~PokerCoach() override;

    void request(const PokerCards &hand);

Q_SIGNALS:
    void valued(const PokerCards &hand, const HoldValues &values);

private:
    void work();

    // Touched on the window's thread only.
    quint64 asked = 0;

    std::mutex mutex;
    std::condition_variable wake;
    std::optional<PokerCards> next;
    quint64 nextSerial = 0;
    bool stopping = false;
    std::thread worker;
};
