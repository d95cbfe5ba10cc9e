// Validation of the return against the filing rules.
#include "creturnfile.h"
#include "filingseams.h"
#include "form_return.h"
#include "messages.h"
#include "validationmessagegroup.h"

namespace {
const int kReFileMark = 2;

// The groups of both lists are freed on every way out.
struct GroupLists
{
    QList<ValidationMessageGroup *> a, b;
    QString nameA, nameB;
    ~GroupLists()
    {
        qDeleteAll(a);
        qDeleteAll(b);
    }
};
} // namespace

int Form_Return::validateReturn(int edition, bool askWarnings, bool askErrors)
{
    if (!m_return)
        return 0;
    GroupLists lists;
    const bool coupled = m_return->isCoupled();
    int count;
    if (coupled) {
        // the current person first, with the couple checks; the other without
        const bool spouseCurrent = m_return->currentPersonIndex() == CReturnFile::kSpouse;
        count = m_return->checkForFiling(edition, lists.a, lists.nameA, spouseCurrent, true);
        count += m_return->checkForFiling(edition, lists.b, lists.nameB, !spouseCurrent, false);
    } else {
        count = m_return->checkForFiling(edition, lists.a, lists.nameA, false, false);
    }
    if (count < 1) {
        if (askWarnings
            && gMsgYesNo(tr("This tax return passes validation check, there are no errors found.\n\nDo you want to "
                            "view the warning message?"))) {
            int mark = 0;
            m_return->getIntValue(kReFileMark, mark);
            m_return->confirmBeforeFiling(1, mark != 0);
        }
        return 0;
    }
    if (askErrors
        && !gMsgYesNo(tr("This return contains validation errors. Do you want to view the validation errors?")))
        return count;
    runValidationDialog(this, lists.nameA, lists.a, coupled, lists.nameB, lists.b);
    return count;
}
