#pragma once
#include "myworkerthread.h"

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
};
