#pragma once
// A message handler for the reader's stress runs: shows nothing, keeps nothing,
// cancels questions and answers every password prompt with the corpus password.
#include "messages.h"

class SilentMessages : public MessageHandler
{
public:
    static QString corpusPassword() { return QStringLiteral("corpus"); }
    void information(void *, const QString &, const QString &) override {}
    int question(void *, const QString &, const QString &, int, int) override { return MsgButton::No; }
    bool inputText(void *, const QString &, const QString &, QString &value, bool) override
    {
        value = corpusPassword();
        return true;
    }
};
