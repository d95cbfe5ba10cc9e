#pragma once
// Answering the modal windows a GUI test opens.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWizard>
#include <QtTest>
#include <functional>
#include <memory>

namespace bqtest {
// Runs f on the next modal window once it is shown (gives up after about 4 s).
inline void onModal(std::function<void(QWidget *)> f)
{
    auto *timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, f, tries] {
        QWidget *w = QApplication::activeModalWidget();
        const bool shown = w && w->isVisible();
        if (shown || ++*tries >= 400) {
            timer->stop();
            timer->deleteLater();
        }
        if (shown)
            f(w);
    });
    timer->start(10);
}

// Clicks the wizard's Finish; a wizard that refuses it is cancelled, ending the run.
inline void finishWizard(QWidget *w)
{
    auto *wizard = qobject_cast<QWizard *>(w);
    QVERIFY(wizard);
    wizard->button(QWizard::FinishButton)->click();
    if (wizard->isVisible())
        wizard->reject();
}
} // namespace bqtest
