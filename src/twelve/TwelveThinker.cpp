#include "TwelveThinker.h"

#include "TwelveForesight.h"

TwelveThinker::TwelveThinker(QObject *parent)
    : QObject(parent)
    , worker([this](std::stop_token closing) { work(closing); })
{ }

TwelveThinker::~TwelveThinker()
{
    forget();
    worker.request_stop();
    worker.join();
}

void TwelveThinker::ask(const ForesightQuestion &question)
{
    {
        const std::lock_guard lock(mutex);
        thinking.request_stop();
        thinking = std::stop_source();
        next = question;
        nextSerial = ++asked;
    }
    wake.notify_one();
}

void TwelveThinker::forget()
{
    const std::lock_guard lock(mutex);
    ++asked;
    next.reset();
    thinking.request_stop();
}

void TwelveThinker::work(std::stop_token closing)
{
    for (;;) {
        std::optional<ForesightQuestion> question;
        quint64 serial = 0;
        std::stop_token stop;
        {
            std::unique_lock lock(mutex);
            if (!wake.wait(lock, closing, [this] { return next.has_value(); }))
                return;
            question.swap(next);
            serial = nextSerial;
            stop = thinking.get_token();
        }
        const std::optional<ForesightAnswer> answer = TwelveForesight::answer(*question, stop);
        if (!answer)
            continue;
        QMetaObject::invokeMethod(
            this,
            [this, serial, answer = *answer] {
                if (serial == asked)
                    Q_EMIT answered(answer);
            },
            Qt::QueuedConnection);
    }
}
