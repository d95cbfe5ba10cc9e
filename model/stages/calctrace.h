#pragma once
#include <QStringList>

// A recorder of the calculation's calls, for tests that check their order.
// Off unless a test installs a list; recording then costs one pointer test.
namespace calctrace {
QStringList *&sink();
inline void record(const char *what)
{
    if (QStringList *s = sink())
        s->append(QString::fromLatin1(what));
}
// Installs a list for the lifetime of the object.
class Scope
{
public:
    explicit Scope(QStringList &list) : m_previous(sink()) { sink() = &list; }
    ~Scope() { sink() = m_previous; }

private:
    QStringList *m_previous;
};
} // namespace calctrace

// Records a call such as BQ_TRACE("stage 3 self: TaxData_T1New::CalculateTaxOnIncome").
#define BQ_TRACE(what) calctrace::record(what)
