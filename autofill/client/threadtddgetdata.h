#pragma once
#include "myworkerthread.h"
#include <atomic>

class TddWebService;

// Runs the get-data loop and the import. Started by the listener, which has
// already taken the client's busy flag for it; the worker gives it back.
class ThreadTDDGetData : public MyWorkerThread
{
    Q_OBJECT
public:
    ThreadTDDGetData(TddWebService *client, QObject *parent);
    ~ThreadTDDGetData() override;

protected:
    void run() override;

private:
    TddWebService *m_client;
    std::atomic<bool> m_ran{false};   // orders run() before the destructor for thread checkers
};
