#pragma once
#include "basedialog.h"
#include <QList>

class ValidationMessageGroup;
class QDialogButtonBox;
class QLabel;
class QTabWidget;
class QVBoxLayout;

// "Validation Result": one tab per person checked, each a list of the messages of
// the checks grouped by slip or form, then the cross-form and spouse-return ones.
// Only formats the groups; never changes or frees them.
class DlgValidationMsgs : public BaseDialog
{
    Q_OBJECT
public:
    explicit DlgValidationMsgs(QWidget *parent);
    ~DlgValidationMsgs() override;

    void setMessages(const QString &titleA, const QList<ValidationMessageGroup *> &listA, bool both,
                     const QString &titleB, const QList<ValidationMessageGroup *> &listB);
    void addPersonTab(const QString &title, const QList<ValidationMessageGroup *> &list);

    struct Ui
    {
        QVBoxLayout *verticalLayout_2;
        QVBoxLayout *verticalLayout;
        QLabel *lblSummary;
        QTabWidget *tabPeople;
        QWidget *tab_1;
        QWidget *tab_2;
        QDialogButtonBox *buttonBox;
    };

private:
    void setupUi();
    void retranslateUi();

    Ui *ui;
};
