#include "threadtddgetwebauth.h"
#include "tddwebservice.h"

ThreadTDDGetWebAuth::ThreadTDDGetWebAuth(TddWebService *client, QObject *parent)
    : MyWorkerThread(parent), m_client(client)
{
}

ThreadTDDGetWebAuth::~ThreadTDDGetWebAuth()
{
    wait();
}

void ThreadTDDGetWebAuth::run()
{
    setTerminationEnabled(true);
    if (!m_client->setBusy())
        return;
    int staged = -99;
    try {
        staged = m_client->stageRequest();
    } catch (...) {
    }
    // idle again before the browser can come back with its token
    m_client->clearBusy();
    if (staged == 0 && !m_client->isCancelled())
        m_client->openAuthPage();
}
