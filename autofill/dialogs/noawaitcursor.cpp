#include "noawaitcursor.h"
#include "noataxdataoneperson.h"
#include <QApplication>

namespace {
void waitCursor(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
} // namespace

void installNoaWaitCursor()
{
    setNoaWaitCursorHook(waitCursor);
}
