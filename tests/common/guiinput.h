#pragma once
// Input a GUI test gives as the desktop would.
#include <QApplication>
#include <QWheelEvent>
#include <QWidget>
#include <QtTest/qtestspontaneevent.h>

namespace bqtest {
// The mouse wheel turned over the middle of w, as the desktop sends it: what w
// does not take goes on to the widgets holding it. Up is positive, in notches.
inline void turnWheel(QWidget *w, int notches)
{
    const QPointF at = QRectF(w->rect()).center();
    QWheelEvent event(at, QPointF(w->mapToGlobal(at.toPoint())), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    qApp->notify(w, &event);
}
} // namespace bqtest
