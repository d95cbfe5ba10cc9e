#include "dlgvalidationmsgs.h"
#include "formtables.h"
#include "validationmessagegroup.h"
#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
enum GroupKind { KindNone = 0, KindSlip = 1, KindForm = 2, KindCrossForms = 4, KindSpouse = 5 };

const char *headingOf(int kind)
{
    switch (kind) {
    case KindForm: return QT_TRANSLATE_NOOP("DlgValidationMsgs", "------- Tax Forms -------");
    case KindSlip: return QT_TRANSLATE_NOOP("DlgValidationMsgs", "------- Tax Slips -------");
    case KindCrossForms: return QT_TRANSLATE_NOOP("DlgValidationMsgs", "------- Cross Tax Forms Validation -------");
    case KindSpouse: return QT_TRANSLATE_NOOP("DlgValidationMsgs", "------- Spouse-Return Validation -------");
    default: return nullptr;
    }
}

QString tr(const char *text)
{
    return QCoreApplication::translate("DlgValidationMsgs", text);
}

bool hasMessages(const QList<ValidationMessageGroup *> &list)
{
    for (const ValidationMessageGroup *group : list)
        if (group && !group->messages.isEmpty())
            return true;
    return false;
}

QString groupTitle(const ValidationMessageGroup &group)
{
    const QString name = group.kind == KindForm ? formName(group.type) : slipName(group.type);
    return tr("[%1] - %2 errors found").arg(name).arg(group.messages.size());
}

// Heading when the kind changes, red title for slips and forms, numbered rows, one empty row.
void addGroupRows(QListWidget *rows, const ValidationMessageGroup &group, int &sectionKind)
{
    if (const char *heading = headingOf(group.kind)) {
        if (sectionKind != group.kind)
            rows->addItem(tr(heading));
        sectionKind = group.kind;
    }
    if (group.kind == KindForm || group.kind == KindSlip) {
        auto *title = new QListWidgetItem(groupTitle(group), rows);
        title->setForeground(QBrush(QColor(QStringLiteral("#ff3566"))));
    }
    int number = 0;
    for (const CString &message : group.messages)
        rows->addItem(QStringLiteral("%1 - %2").arg(++number, 2).arg(message));
    rows->addItem(QString());
}
} // namespace

DlgValidationMsgs::DlgValidationMsgs(QWidget *parent) : BaseDialog(parent, QString()), ui(new Ui)
{
    setupUi();
    afterCreateUI();
}

DlgValidationMsgs::~DlgValidationMsgs()
{
    delete ui;
}

void DlgValidationMsgs::setupUi()
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("DlgValidationMsgs"));
    resize(712, 585);
    QFont font = this->font();
    font.setPointSize(12);
    setFont(font);

    ui->verticalLayout_2 = new QVBoxLayout(this);
    ui->verticalLayout_2->setObjectName(QStringLiteral("verticalLayout_2"));
    ui->verticalLayout = new QVBoxLayout();
    ui->verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    ui->lblSummary = new QLabel(this);
    ui->lblSummary->setObjectName(QStringLiteral("lblSummary"));
    ui->lblSummary->setWordWrap(true);
    ui->verticalLayout->addWidget(ui->lblSummary);
    ui->tabPeople = new QTabWidget(this);
    ui->tabPeople->setObjectName(QStringLiteral("tabPeople"));
    ui->tab_1 = new QWidget();
    ui->tab_1->setObjectName(QStringLiteral("tab_1"));
    ui->tabPeople->addTab(ui->tab_1, QString());
    ui->tab_2 = new QWidget();
    ui->tab_2->setObjectName(QStringLiteral("tab_2"));
    ui->tabPeople->addTab(ui->tab_2, QString());
    ui->verticalLayout->addWidget(ui->tabPeople);
    ui->verticalLayout_2->addLayout(ui->verticalLayout);
    ui->buttonBox = new QDialogButtonBox(this);
    ui->buttonBox->setObjectName(QStringLiteral("buttonBox"));
    ui->buttonBox->setOrientation(Qt::Horizontal);
    ui->buttonBox->setStandardButtons(QDialogButtonBox::Cancel | QDialogButtonBox::Ok);
    ui->verticalLayout_2->addWidget(ui->buttonBox);

    retranslateUi();
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QMetaObject::connectSlotsByName(this);
}

void DlgValidationMsgs::retranslateUi()
{
    setWindowTitle(tr("Validation Result"));
    ui->lblSummary->setText(
        tr("There are validation errors. Click tax payer's name tab to display detail errors."));
    ui->tabPeople->setTabText(ui->tabPeople->indexOf(ui->tab_1), tr("tax payer name"));
    ui->tabPeople->setTabText(ui->tabPeople->indexOf(ui->tab_2), tr("Tab 2"));
}

void DlgValidationMsgs::setMessages(const QString &titleA, const QList<ValidationMessageGroup *> &listA,
                                    bool both, const QString &titleB,
                                    const QList<ValidationMessageGroup *> &listB)
{
    while (ui->tabPeople->count() > 0) {
        QWidget *page = ui->tabPeople->widget(0);
        ui->tabPeople->removeTab(0);
        if (page == ui->tab_1)
            ui->tab_1 = nullptr;
        else if (page == ui->tab_2)
            ui->tab_2 = nullptr;
        delete page;
    }
    addPersonTab(titleA, listA);
    if (both)
        addPersonTab(titleB, listB);
}

// A list whose groups are all empty counts as empty: the no-errors row, not a blank tab.
void DlgValidationMsgs::addPersonTab(const QString &title, const QList<ValidationMessageGroup *> &list)
{
    auto *scroll = new QScrollArea(this);
    auto *rows = new QListWidget(scroll);
    QFont font = rows->font();
    font.setPointSize(12);
    rows->setFont(font);
    // long messages wrap within the tab rather than being cut off
    rows->setWordWrap(true);
    rows->setResizeMode(QListView::Adjust);
    rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (!hasMessages(list)) {
        rows->addItem(tr("There are no validation errors found in this return, Please check spouse's side."));
    } else {
        int sectionKind = KindNone;
        for (const ValidationMessageGroup *group : list)
            if (group && !group->messages.isEmpty())
                addGroupRows(rows, *group, sectionKind);
    }
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    ui->tabPeople->addTab(scroll, title);
}
