#include "threadtddgetdata.h"
#include "tddwebservice.h"

ThreadTDDGetData::ThreadTDDGetData(TddWebService *client, QObject *parent)
    : MyWorkerThread(parent), m_client(client)
{
}

ThreadTDDGetData::~ThreadTDDGetData()
{
    wait();
    m_ran.load(std::memory_order_acquire);
}

void ThreadTDDGetData::run()
{
    setTerminationEnabled(true);
    try {
        m_client->fetchData();
    } catch (...) {
    }
    m_client->clearBusy();
    m_ran.store(true, std::memory_order_release);
}
