#include "threadtddgetdata.h"
#include "tddwebservice.h"

ThreadTDDGetData::ThreadTDDGetData(TddWebService *client, QObject *parent)
    : MyWorkerThread(parent), m_client(client)
{
}

ThreadTDDGetData::~ThreadTDDGetData()
{
    wait();
}

void ThreadTDDGetData::run()
{
    setTerminationEnabled(true);
    try {
        m_client->fetchData();
    } catch (...) {
    }
    m_client->clearBusy();
}
