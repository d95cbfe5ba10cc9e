#include "basetaxpage.h"
#include "ctaxdata_form.h"
#include "formtables.h"
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

BaseTaxPage::BaseTaxPage(CTaxData_Form *data, const QString &title, QWidget *parent)
    : QWidget(parent), m_data(data), m_title(title)
{
    auto *layout = new QFormLayout(this);
    const FieldTable &table = data->fieldTable();
    for (int i = 0; i < table.count(); ++i) {
        const FieldSpec &spec = table.spec(i);
        QString label = QString::fromLatin1(spec.key);
        if (spec.code > 0 && !label.contains(QString::number(spec.code)))
            label += QStringLiteral(" (%1)").arg(spec.code);
        QWidget *editor;
        if (spec.kind == FieldKind::Flag) {
            auto *box = new QCheckBox(this);
            connect(box, &QCheckBox::toggled, this, [this] { editFinished(); });
            editor = box;
        } else {
            auto *line = new QLineEdit(this);
            if (FieldTable::isNumeric(spec.kind))
                line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            connect(line, &QLineEdit::editingFinished, this, [this] { editFinished(); });
            editor = line;
        }
        editor->setObjectName(QStringLiteral("fld_") + QString::fromLatin1(spec.key));
        editor->setProperty("fieldIndex", i);
        layout->addRow(label, editor);
        m_editors.append(editor);
    }
}

BaseTaxPage::~BaseTaxPage() = default;

QWidget *BaseTaxPage::editorFor(const QString &key) const
{
    const int i = m_data->fieldTable().indexOf(key);
    return i >= 0 ? m_editors.value(i) : nullptr;
}

void BaseTaxPage::syncData()
{
    m_loading = true;
    const FieldRecord &values = m_data->fields();
    const FieldTable &table = m_data->fieldTable();
    for (int i = 0; i < m_editors.size(); ++i) {
        if (auto *box = qobject_cast<QCheckBox *>(m_editors[i])) {
            box->setChecked(values.number(i) != 0.0);
        } else if (auto *line = qobject_cast<QLineEdit *>(m_editors[i])) {
            if (table.spec(i).kind == FieldKind::Amount)
                line->setText(QString::number(values.number(i), 'f', 2));
            else
                line->setText(values.valueText(i));
            line->setModified(false);
        }
    }
    m_loading = false;
}

void BaseTaxPage::refreshPage()
{
    syncData();
}

bool BaseTaxPage::writeField(int i)
{
    FieldRecord &values = m_data->fields();
    const QString before = values.valueText(i);
    if (auto *box = qobject_cast<QCheckBox *>(m_editors[i])) {
        values.setNumber(i, box->isChecked() ? 1 : 0);
    } else if (auto *line = qobject_cast<QLineEdit *>(m_editors[i])) {
        QString text = line->text().trimmed();
        if (FieldTable::isNumeric(m_data->fieldTable().spec(i).kind)) {
            text.remove(QLatin1Char(','));
            text.remove(QLatin1Char('$'));
            if (text.isEmpty())
                text = QStringLiteral("0");
        }
        values.setValueText(i, text);
    }
    return values.valueText(i) != before;
}

void BaseTaxPage::commitPage()
{
    for (int i = 0; i < m_editors.size(); ++i)
        writeField(i);
}

void BaseTaxPage::editFinished()
{
    if (m_loading)
        return;
    auto *editor = qobject_cast<QWidget *>(sender());
    const int i = m_editors.indexOf(editor);
    if (i < 0 || !writeField(i))
        return;
    emit signalCalc(m_data, i);
}

void createPages(CTaxData_Form *data, QList<BaseTaxPage *> &pages, QWidget *parent)
{
    if (!data || data->fieldTable().count() == 0)
        return;
    QString title;
    if (data->kind() == CTaxData_Form::KindSlip)
        title = slipName(data->formType());
    else if (data->kind() == CTaxData_Form::KindForm)
        title = formName(data->formType());
    if (title.isEmpty()) {
        CString description;
        data->getDescription(description);
        title = description.isEmpty() ? QStringLiteral("Page") : QString(description);
    }
    pages.append(new BaseTaxPage(data, title, parent));
}
