#pragma once

#include "TwelveTurn.h"

#include <QObject>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

// Thinks out the decisions of the computers that think ahead on a thread of its own, so the
// window keeps drawing and the game clock keeps running. A new question stops the thinking on
// the one before; only the answer to the latest question reaches the window, on its thread,
// and none once the thinker is gone with its window.
class TwelveThinker : public QObject
{
    Q_OBJECT
public:
    explicit TwelveThinker(QObject *parent = nullptr);
    ~TwelveThinker() override;

    void ask(const ForesightQuestion &question);
    // Stops the thinking under way; its answer is dropped.
    void forget();

Q_SIGNALS:
    void answered(const ForesightAnswer &answer);

private:
    void work(std::stop_token closing);

    // Touched on the window's thread only.
    quint64 asked = 0;

    std::mutex mutex;
    std::condition_variable_any wake;
    std::optional<ForesightQuestion> next;
    quint64 nextSerial = 0;
    std::stop_source thinking;
    std::jthread worker;
};
