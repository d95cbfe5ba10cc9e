#pragma once
#include <QObject>
#include <csignal>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (a logout, a shutdown, a closed terminal,
// Ctrl+C) into a Qt signal of the thread that installed it. The handler itself
// only writes the signal's number into one end of a socket pair; a notifier on
// the other end reads it from the event loop, where the program may do anything.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    // The handlers that were in force come back.
    ~TerminationSignals() override;

    // False when the socket pair or a handler could not be made.
    bool install();

    static constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
    static constexpr int kSignalCount = 3;

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignals();
    void uninstall();

    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous[kSignalCount] = {};
    bool m_installed[kSignalCount] = {};
};
