#include "threadtddgetwebauth.h"
#include "tddwebservice.h"

ThreadTDDGetWebAuth::ThreadTDDGetWebAuth(TddWebService *client, QObject *parent)
    : MyWorkerThread(parent), m_client(client)
{
}

ThreadTDDGetWebAuth::~ThreadTDDGetWebAuth()
{
    wait();
    m_ran.load(std::memory_order_acquire);
}

void ThreadTDDGetWebAuth::run()
{
    setTerminationEnabled(true);
    if (!m_client->setBusy()) {
        m_ran.store(true, std::memory_order_release);
        return;
    }
    int staged = -99;
    try {
        staged = m_client->stageRequest();
    } catch (...) {
    }
    // idle again before the browser can come back with its token
    m_client->clearBusy();
    if (staged == 0 && !m_client->isCancelled())
        m_client->openAuthPage();
    m_ran.store(true, std::memory_order_release);
}
