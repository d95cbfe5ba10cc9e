#pragma once
#include "myworkerthread.h"
#include <atomic>

class TddWebService;

// Stages the request and has the sign-in page opened.
class ThreadTDDGetWebAuth : public MyWorkerThread
{
    Q_OBJECT
public:
    ThreadTDDGetWebAuth(TddWebService *client, QObject *parent);
    ~ThreadTDDGetWebAuth() override;

protected:
    void run() override;

private:
    TddWebService *m_client;
    std::atomic<bool> m_ran{false};   // orders run() before the destructor for thread checkers
};
