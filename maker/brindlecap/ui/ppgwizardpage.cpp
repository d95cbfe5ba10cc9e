#include "ppgwizardpage.h"
#include "ct1combobox.h"
#include "datafields.h"
#include "doublelineedit.h"
#include "stringlineedit.h"
#include "styledcheckbox.h"
#include "styleddateedit.h"
#include <QAbstractButton>
#include <QButtonGroup>

namespace {
// Sets an exclusive group's checked button, or none for an id without a button.
void checkRadio(QButtonGroup *group, int id)
{
    QAbstractButton *b = group->button(id);
    if (b) {
        b->setChecked(true);
        return;
    }
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton *other : group->buttons())
        other->setChecked(false);
    group->setExclusive(exclusive);
}
} // namespace

PpgWizardPage::PpgWizardPage(CWSBaseData *data, CTaxData_Form *form, QWidget *parent)
    : QWizardPage(parent), m_data(data), m_form(form)
{
}

PpgWizardPage::~PpgWizardPage() = default;

void PpgWizardPage::bindFields(CWSBaseData *) {}

void PpgWizardPage::initializePage()
{
    GetDataFromDoc();
}

bool PpgWizardPage::validatePage()
{
    PutDataToDoc();
    return true;
}

QObject *PpgWizardPage::boundWidget(const QString &name) const
{
    if (auto w = m_stringNames.value(name))
        return w;
    if (auto w = m_dateNames.value(name))
        return w;
    if (auto w = m_comboNames.value(name))
        return w;
    if (auto w = m_radioNames.value(name))
        return w;
    if (auto w = m_boolNames.value(name))
        return w;
    if (auto w = m_floatNames.value(name))
        return w;
    return m_displayNames.value(name);
}

void PpgWizardPage::GetDataFromDoc()
{
    m_filling = true;
    for (auto it = m_strings.cbegin(); it != m_strings.cend(); ++it)
        it.key()->setText(it.value()->value());
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        if (it.value()->value().isValid())
            it.key()->setDate(it.value()->value());
    for (auto it = m_combos.cbegin(); it != m_combos.cend(); ++it)
        it.key()->SetCurSelData(it.value()->value());
    for (auto it = m_radios.cbegin(); it != m_radios.cend(); ++it)
        checkRadio(it.key(), it.value()->value());
    for (auto it = m_bools.cbegin(); it != m_bools.cend(); ++it)
        it.key()->setChecked(it.value()->value());
    for (auto it = m_floats.cbegin(); it != m_floats.cend(); ++it)
        it.key()->setValue(it.value()->value());
    for (auto it = m_displays.cbegin(); it != m_displays.cend(); ++it)
        it.key()->setValue(it.value()->value());
    m_filling = false;
}

void PpgWizardPage::PutDataToDoc()
{
    for (auto it = m_strings.cbegin(); it != m_strings.cend(); ++it)
        it.value()->setValue(CString(it.key()->text()));
    for (auto it = m_dates.cbegin(); it != m_dates.cend(); ++it)
        it.value()->setValue(it.key()->date());
    for (auto it = m_combos.cbegin(); it != m_combos.cend(); ++it)
        if (it.key()->currentIndex() >= 0)
            it.value()->setValue(it.key()->GetCurSelData());
    for (auto it = m_radios.cbegin(); it != m_radios.cend(); ++it)
        it.value()->setValue(it.key()->checkedId());
    for (auto it = m_bools.cbegin(); it != m_bools.cend(); ++it)
        it.value()->setValue(it.key()->isChecked());
    for (auto it = m_floats.cbegin(); it != m_floats.cend(); ++it)
        it.value()->setValue(it.key()->value());
}

// ---- binding

void PpgWizardPage::bindString(StringLineEdit *w, CStringField *f)
{
    m_stringNames.insert(w->objectName(), w);
    m_strings.insert(w, f);
    if (f->maxLength() > 0)
        w->setMaxLength(f->maxLength());
    connect(w, SIGNAL(editingFinished()), this, SLOT(onStringEditFinished()));
}

void PpgWizardPage::bindDate(StyledDateEdit *w, CDateField *f)
{
    m_dateNames.insert(w->objectName(), w);
    m_dates.insert(w, f);
    w->setCalendarPopup(true);
    connect(w, SIGNAL(dateChanged(const QDate &)), this, SLOT(onDateChanged(const QDate &)));
}

void PpgWizardPage::bindCombo(CT1ComboBox *w, CIntField *f)
{
    m_comboNames.insert(w->objectName(), w);
    m_combos.insert(w, f);
    w->setFocusPolicy(Qt::StrongFocus);
    connect(w, SIGNAL(currentIndexChanged(int)), this, SLOT(onCmbCurIndexChanged(int)));
}

void PpgWizardPage::bindRadio(QButtonGroup *group, CIntField *f)
{
    m_radioNames.insert(group->objectName(), group);
    m_radios.insert(group, f);
    const QString prefix = group->objectName() + QLatin1Char('_');
    for (QAbstractButton *b : group->buttons()) {
        const QString name = b->objectName();
        bool ok = false;
        const int id = name.startsWith(prefix) ? name.mid(prefix.size()).toInt(&ok) : -1;
        if (ok)
            group->setId(b, id);
    }
    connect(group, SIGNAL(buttonClicked(int)), this, SLOT(onRadioIdClicked(int)));
}

void PpgWizardPage::bindBool(StyledCheckBox *w, CBoolField *f)
{
    m_boolNames.insert(w->objectName(), w);
    m_bools.insert(w, f);
    w->setFocusPolicy(Qt::StrongFocus);
    connect(w, SIGNAL(stateChanged(int)), this, SLOT(onBoolChanged(int)));
}

void PpgWizardPage::bindFloat(DoubleLineEdit *w, CFloatField *f)
{
    m_floatNames.insert(w->objectName(), w);
    m_floats.insert(w, f);
    w->setDecimals(f->decimals());
    connect(w, SIGNAL(editingFinished()), this, SLOT(onFloatEditFinished()));
}

void PpgWizardPage::bindFloatDisplay(DoubleLineEdit *w, CFloatField *f)
{
    m_displayNames.insert(w->objectName(), w);
    m_displays.insert(w, f);
    w->setDecimals(f->decimals());
    w->setReadOnly(true);
}

// ---- handlers: the sender's new value into its field

void PpgWizardPage::onStringEditFinished()
{
    auto *w = qobject_cast<StringLineEdit *>(sender());
    if (CStringField *f = m_strings.value(w))
        f->setValue(CString(w->text()));
}

void PpgWizardPage::onDateChanged(const QDate &date)
{
    if (m_filling)
        return;
    if (CDateField *f = m_dates.value(qobject_cast<StyledDateEdit *>(sender())))
        f->setValue(date);
}

void PpgWizardPage::onCmbCurIndexChanged(int index)
{
    if (m_filling || index < 0)
        return;
    auto *w = qobject_cast<CT1ComboBox *>(sender());
    if (CIntField *f = m_combos.value(w))
        f->setValue(w->GetCurSelData());
}

void PpgWizardPage::onRadioIdClicked(int id)
{
    if (CIntField *f = m_radios.value(qobject_cast<QButtonGroup *>(sender())))
        f->setValue(id);
}

void PpgWizardPage::onBoolChanged(int state)
{
    if (m_filling)
        return;
    if (CBoolField *f = m_bools.value(qobject_cast<StyledCheckBox *>(sender())))
        f->setValue(state != Qt::Unchecked);
}

void PpgWizardPage::onFloatEditFinished()
{
    auto *w = qobject_cast<DoubleLineEdit *>(sender());
    if (CFloatField *f = m_floats.value(w))
        f->setValue(w->value());
}
