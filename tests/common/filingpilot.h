#pragma once
// Answers the modal dialogs a filing runs (result dialogs, terms, the after-filing
// wizard, message boxes of the link kind) and keeps what each showed.
#include "dlgfilingresult.h"
#include "dlgfilingterm.h"
#include "dlgmsgwithlink.h"
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWizard>

class FilingPilot : public QObject
{
public:
    struct Result
    {
        QString title, overview, details, bottom, link;
    };
    struct AfterPage
    {
        bool myAccount = false, refund = false, owing = false;
        QString title;
        QSize size;
    };
    struct LinkMessage
    {
        QString title, msg1, msg2, link;
    };

    FilingPilot()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] { answer(); });
        m_timer.start();
    }
    void clear()
    {
        results.clear();
        afterPages.clear();
        linkMessages.clear();
        termsShown = 0;
        validationTabs.clear();
        formDialogs = 0;
    }

    bool acceptTerms = true;
    // Off: result dialogs are left to the test.
    bool answerResults = true;
    // Presses OK on each form filing dialog that shows (off: the test drives it).
    bool submitFormFiling = false;
    int termsShown = 0;
    int formDialogs = 0;
    QStringList validationTabs;
    QList<Result> results;
    QList<AfterPage> afterPages;
    QList<LinkMessage> linkMessages;

private:
    static bool shown(QWidget *w, const char *name)
    {
        auto *l = w->findChild<QLabel *>(QLatin1String(name));
        return l && !l->isHidden();
    }

    void answer()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *r = qobject_cast<DlgFilingResult *>(w)) {
            if (!answerResults)
                return;
            results.append({r->windowTitle(), r->overview(), r->detailsText(), r->bottom(), r->linkText()});
            r->accept();
        } else if (auto *t = qobject_cast<DlgFilingTerm *>(w)) {
            ++termsShown;
            if (acceptTerms)
                t->accept();
            else
                t->reject();
        } else if (auto *m = qobject_cast<DlgMsgWithLink *>(w)) {
            linkMessages.append({m->windowTitle(), m->msg1(), m->msg2(), m->link()});
            m->accept();
        } else if (w && w->inherits("DlgValidationMsgs")) {
            auto *tabs = w->findChild<QTabWidget *>();
            validationTabs.append(tabs && tabs->count() ? tabs->tabText(0) : QString());
            static_cast<QDialog *>(w)->reject();
        } else if (w && submitFormFiling && w->inherits("CFormFilingDlg")) {
            if (w == m_submitted)   // OK already pressed once
                return;
            ++formDialogs;
            m_submitted = w;
            // queued: the filing runs its own dialogs, which this timer must still answer
            QMetaObject::invokeMethod(
                w->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok), "click",
                Qt::QueuedConnection);
        } else if (auto *wiz = qobject_cast<QWizard *>(w)) {
            afterPages.append({shown(wiz, "line1_myaccount"), shown(wiz, "line2_DirDeposit"), shown(wiz, "line3_PayNow"),
                               wiz->windowTitle(), wiz->size()});
            wiz->reject();
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_submitted;
};
