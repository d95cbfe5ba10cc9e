#include "basetaxpage.h"
#include "ct1combobox.h"
#include "doublelineedit.h"
#include "ctaxdata_form.h"
#include "fieldcaptions.h"
#include "fieldvalidator.h"
#include "formtables.h"
#include "myevent.h"
#include "rowlisteditor.h"
#include "utils.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolTip>
#include <QVBoxLayout>

namespace {
const char kMessage[] = "inputMessage";
const int kLongestCaptionLine = 340;   // pixels
const char kCalculatedBackground[] = "#DDE3E8";   // of what the program works out

// A button of a page: it posts one of the window's page events.
struct PageButton
{
    int kind;
    int type;
    int section;
    const char *text;
    int event;
    int targetForm;   // for the go-to-form event
};

const PageButton kButtons[] = {
    {CTaxData_Form::KindForm, 1, 0, "Fill in the preparer's information", 5000, 0},
    {CTaxData_Form::KindForm, 1, 0, "Copy the mailing address to the spouse's return", 5001, 0},
    {CTaxData_Form::KindForm, 1, 1, "Capital gains: go to Schedule 3", 1235, 4},
    {CTaxData_Form::KindForm, 1, 1, "Business income: go to T2125", 1235, 125},
    {CTaxData_Form::KindForm, 1, 2, "RRSP deduction: go to Schedule 7", 1235, 7},
    {CTaxData_Form::KindForm, 1, 3, "Donations: go to Schedule 9", 1235, 9},
    {CTaxData_Form::KindForm, 1, 3, "Tuition: go to Schedule 11", 1235, 11},
    {CTaxData_Form::KindForm, 1, 3, "Spouse and dependants: go to Schedule 5", 1235, 6},
    {CTaxData_Form::KindForm, 125, 0, "Copy the business address from the T1", 1873, 0},
    {CTaxData_Form::KindForm, 117, 0, "Fill in the representative", 1013, 0},
    {CTaxData_Form::KindForm, 96, 0, "Send T183 for e-signature", 1831, 0},
    {CTaxData_Form::KindForm, 96, 0, "T183 signature status", 1832, 0},
    {CTaxData_Form::KindForm, 53, 0, "Send RC71 for e-signature", 1871, 0},
    {CTaxData_Form::KindForm, 53, 0, "RC71 signature status", 1872, 0},
};

QString rowLabel(const FieldSpec &spec)
{
    QString caption = spec.caption ? QString::fromUtf8(spec.caption) : QString::fromLatin1(spec.key);
    QString line = spec.line ? QString::fromLatin1(spec.line) : QString();
    if (line.isEmpty() && !spec.caption && spec.code > 0 && !caption.contains(QString::number(spec.code)))
        line = QString::number(spec.code);
    // a box known by its number alone is not named twice
    return line.isEmpty() || line == caption ? caption : line + QLatin1Char(' ') + caption;
}

FieldValidator::Kind validatorKind(const FieldSpec &spec)
{
    if (spec.sin)
        return FieldValidator::Sin;
    switch (spec.kind) {
    case FieldKind::Int: return FieldValidator::Integer;
    case FieldKind::Date: return FieldValidator::Date;
    default: return FieldValidator::Amount;
    }
}

bool usesValidator(const FieldSpec &spec)
{
    return spec.sin || spec.kind == FieldKind::Amount || spec.kind == FieldKind::Int || spec.kind == FieldKind::Date;
}

// A row's caption: one line when it is short, wrapped at a fixed width when it
// is long, measured in the font the page's style gives it.
class CaptionLabel : public QLabel
{
public:
    CaptionLabel(const QString &text, QWidget *parent) : QLabel(text, parent) { setWordWrap(true); }
    QSize sizeHint() const override { return fitted(); }
    QSize minimumSizeHint() const override { return fitted(); }

private:
    QSize fitted() const
    {
        const QMargins m = contentsMargins();
        const int width = qMin(fontMetrics().horizontalAdvance(text()) + 8, kLongestCaptionLine) + m.left() + m.right();
        return QSize(width, heightForWidth(width));
    }
};

// A number editor is as wide as the largest amount needs and no wider, so the
// values form one column beside the captions; a text editor takes at least a
// name's width.
void fitEditorWidth(QWidget *editor, const FieldSpec &spec)
{
    const QFontMetrics metrics(editor->font());
    const int amountWidth = metrics.horizontalAdvance(QStringLiteral("-999,999,999.99")) + 24;
    if (qobject_cast<QLineEdit *>(editor) && FieldTable::isNumeric(spec.kind)) {
        editor->setMinimumWidth(amountWidth);
        editor->setMaximumWidth(amountWidth * 3 / 2);
    } else if (qobject_cast<QLineEdit *>(editor)) {
        editor->setMinimumWidth(amountWidth);
    }
}

// An entered number or date is replaced, not joined, by what is typed on entry.
QLineEdit *newLineEditor(const FieldSpec &spec, QWidget *parent)
{
    if (spec.calculated)
        return new QLineEdit(parent);
    if (FieldTable::isNumeric(spec.kind))
        return new DoubleLineEdit(parent);
    if (spec.kind == FieldKind::Date)
        return new EntryLineEdit(parent);
    return new QLineEdit(parent);
}

// An editor's state, which the page's style sheet keys its look on.
const char kState[] = "fieldState";
const char kValid[] = "valid";
const char kInvalid[] = "invalid";
const char kFlagged[] = "flagged";
const char kCalculated[] = "calculated";

// Restyles an editor only when its state changes: the new property takes
// effect when the editor is polished again.
void setFieldState(QWidget *editor, const char *state)
{
    if (editor->property(kState).toString() == QLatin1String(state))
        return;
    editor->setProperty(kState, QString::fromLatin1(state));
    if (!editor->testAttribute(Qt::WA_WState_Polished))
        return;   // polished with its state when first shown
    editor->style()->unpolish(editor);
    editor->style()->polish(editor);
    editor->update();
}

// A calculated (read-only) line keeps its look when its mark goes.
void mark(QLineEdit *editor, const QString &message, bool refused)
{
    if (editor->property(kMessage).toString() != message) {
        editor->setProperty(kMessage, message);
        editor->setToolTip(message);
    }
    const bool calculated = editor->isReadOnly();
    setFieldState(editor, !message.isEmpty() ? (refused ? kInvalid : kFlagged) : calculated ? kCalculated : kValid);
}
} // namespace

BaseTaxPage::BaseTaxPage(CTaxData_Form *data, const QString &title, int section, QWidget *parent)
    : QWidget(parent), m_data(data), m_title(title), m_section(section)
{
    setStyleSheet(fieldStateStyle());
    const FieldTable &table = data->fieldTable();
    const std::vector<FieldSpec> &specs = table.describedSpecs(data->kind(), data->formType());
    for (int i : table.shownOrder(data->kind(), data->formType()))
        if (!specs[size_t(i)].internal && specs[size_t(i)].section == section)
            m_fields.append(i);
}

BaseTaxPage::~BaseTaxPage() = default;

QString BaseTaxPage::fieldStateStyle()
{
    return QStringLiteral(
        " QLineEdit[fieldState=\"invalid\"] {border: 2px solid #D32F2F; background: #FDECEA;}"
        " QLineEdit[fieldState=\"flagged\"] {border: 2px solid #E6A100; background: #FFF8E1;}"
        " QLineEdit[fieldState=\"calculated\"], QComboBox[fieldState=\"calculated\"]"
        " {background: %1; color: #263238; border: 1px dashed #78909C;}")
        .arg(QLatin1String(kCalculatedBackground));
}

QString BaseTaxPage::fieldState(const QWidget *editor)
{
    return editor ? editor->property(kState).toString() : QString();
}

const FieldSpec &BaseTaxPage::specOf(int field) const
{
    return m_data->fieldTable().describedSpecs(m_data->kind(), m_data->formType())[size_t(field)];
}

QString BaseTaxPage::inputMessage(const QWidget *editor)
{
    return editor ? editor->property(kMessage).toString() : QString();
}

void BaseTaxPage::showEvent(QShowEvent *event)
{
    if (!m_built && m_data) {
        build();
        syncData();
    }
    QWidget::showEvent(event);
}

void BaseTaxPage::build()
{
    m_built = true;
    auto *outer = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    outer->addLayout(form);
    for (int field : qAsConst(m_fields)) {
        const FieldSpec &spec = specOf(field);
        QWidget *editor = makeEditor(spec, field);
        editor->setObjectName(QStringLiteral("fld_") + QString::fromLatin1(spec.key));
        editor->setProperty("fieldIndex", field);
        fitEditorWidth(editor, spec);
        // a long caption wraps rather than pushing the values out of sight
        auto *label = new CaptionLabel(rowLabel(spec), this);
        label->setBuddy(editor);
        form->addRow(label, editor);
        m_editors.insert(field, editor);
    }
    addRowLists();
    addButtons();
    outer->addStretch(1);
}

QWidget *BaseTaxPage::makeEditor(const FieldSpec &spec, int field)
{
    if (spec.kind == FieldKind::Flag) {
        auto *box = new QCheckBox(this);
        box->setEnabled(!spec.calculated);
        connect(box, &QCheckBox::toggled, this, [this, box] { editFinished(box); });
        return box;
    }
    if (spec.choices) {
        // a calculated code shows its label, read-only
        auto *combo = new CT1ComboBox(this);
        combo->setEnabled(!spec.calculated);
        if (spec.calculated) {
            combo->setProperty(kState, QString::fromLatin1(kCalculated));
            combo->setToolTip(tr("Calculated by the program"));
        }
        for (const auto &choice : choiceList(QString::fromLatin1(spec.choices)))
            combo->addItem(choice.second, choice.first);
        connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this, combo] { editFinished(combo); });
        return combo;
    }
    auto *line = newLineEditor(spec, this);
    if (FieldTable::isNumeric(spec.kind))
        line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (spec.calculated) {
        line->setReadOnly(true);
        line->setProperty(kState, QString::fromLatin1(kCalculated));
        line->setToolTip(tr("Calculated by the program"));
        return line;
    }
    line->setProperty(kState, QString::fromLatin1(kValid));
    if (usesValidator(spec)) {
        auto *validator = new FieldValidator(validatorKind(spec), line);
        validator->setNegativeAllowed(amountMayBeNegative(m_data->kind(), m_data->formType(), spec.key, spec.caption));
        line->setValidator(validator);
        // a refused keystroke or text that is not complete yet is shown at once
        connect(line, &QLineEdit::inputRejected, this,
                [line, validator] { mark(line, validator->expectation(), true); });
        connect(line, &QLineEdit::textEdited, this, [this, line, field] { checkEditor(line, specOf(field)); });
    }
    connect(line, &QLineEdit::editingFinished, this, [this, line] { editFinished(line); });
    return line;
}

void BaseTaxPage::addRowLists()
{
    for (const RowListCaptions *captions : findRowListCaptions(m_data->kind(), m_data->formType())) {
        if (captions->section != m_section || captions->list >= m_data->rowListCount())
            continue;
        auto *title = new QLabel(QString::fromUtf8(captions->title), this);
        title->setWordWrap(true);
        title->setStyleSheet(QStringLiteral("QLabel {font-weight: bold; margin-top: 8px;}"));
        auto *editor = new RowListEditor(m_data, *captions, this);
        editor->setObjectName(QStringLiteral("rows_%1").arg(captions->list));
        connect(editor, &RowListEditor::edited, this, [this] {
            if (m_data && !m_committing)
                emit signalCalc(m_data, -1);
        });
        layout()->addWidget(title);
        layout()->addWidget(editor);
        m_rowLists.append(editor);
    }
}

void BaseTaxPage::addButtons()
{
    const int kind = m_data->kind();
    const int type = m_data->formType();
    for (const PageButton &b : kButtons) {
        if (b.kind != kind || b.type != type || b.section != m_section)
            continue;
        auto *button = new QPushButton(tr(b.text), this);
        const int event = b.event;
        const int target = b.targetForm;
        connect(button, &QPushButton::clicked, this, [this, event, target] {
            QWidget *window = this->window();
            for (QWidget *w = parentWidget(); w; w = w->parentWidget())
                if (w->inherits("Form_Return")) {
                    window = w;
                    break;
                }
            if (event == EventForwardEdit::kType)
                QCoreApplication::postEvent(window, new EventForwardEdit(target));
            else
                QCoreApplication::postEvent(window, new MyEvent(event));
        });
        layout()->addWidget(button);
    }
}

void BaseTaxPage::detach()
{
    m_data = nullptr;
    for (RowListEditor *editor : qAsConst(m_rowLists))
        editor->detach();
}

RowListEditor *BaseTaxPage::rowListEditor(int list)
{
    if (!m_data)
        return nullptr;
    if (!m_built) {
        build();
        syncData();
    }
    for (RowListEditor *editor : qAsConst(m_rowLists))
        if (editor->list() == list)
            return editor;
    return nullptr;
}

QWidget *BaseTaxPage::editorFor(const QString &key)
{
    if (!m_data)
        return nullptr;
    if (!m_built) {
        build();
        syncData();
    }
    return m_editors.value(m_data->fieldTable().indexOf(key), nullptr);
}

// the property holding the text an editor was given from the stored value
static const char kShownText[] = "shownText";

void BaseTaxPage::setEditorText(QWidget *editor, const FieldSpec &spec, int field)
{
    const FieldRecord &values = m_data->fields();
    if (auto *box = qobject_cast<QCheckBox *>(editor)) {
        box->setChecked(values.number(field) != 0.0);
    } else if (auto *combo = qobject_cast<CT1ComboBox *>(editor)) {
        combo->SetCurSelData(int(values.number(field)));
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        QString text = spec.kind == FieldKind::Amount ? QString::number(values.number(field), 'f', 2)
                                                      : values.valueText(field);
        // a code not given yet (its default below 0) is blank, not a number
        if (spec.kind == FieldKind::Int && spec.defaultValue < 0 && values.number(field) == spec.defaultValue)
            text.clear();
        // an unchanged value is left alone, unless the preparer is at it
        if (line->text() != text || line->hasFocus()) {
            if (auto *entry = qobject_cast<EntryLineEdit *>(line))
                entry->showText(text);
            else
                line->setText(text);
        }
        if (line->property(kShownText).toString() != line->text())
            line->setProperty(kShownText, line->text());
        line->setModified(false);
        if (spec.sin)
            checkEditor(line, spec);
        else if (!spec.calculated)
            mark(line, QString(), false);
    }
}

void BaseTaxPage::syncData()
{
    if (!m_data || !m_built)
        return;
    m_loading = true;
    for (auto it = m_editors.cbegin(); it != m_editors.cend(); ++it)
        setEditorText(it.value(), specOf(it.key()), it.key());
    for (RowListEditor *editor : qAsConst(m_rowLists))
        editor->syncData();
    m_loading = false;
}

void BaseTaxPage::refreshPage()
{
    syncData();
}

bool BaseTaxPage::checkEditor(QWidget *editor, const FieldSpec &spec)
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    auto *validator = line ? qobject_cast<const FieldValidator *>(line->validator()) : nullptr;
    if (!validator)
        return true;
    QString text = line->text();
    int pos = 0;
    if (validator->validate(text, pos) != QValidator::Acceptable) {
        mark(line, validator->problem(text), true);
        // a minus is a slip easily missed: say so at the field at once
        if (validator->refusesNegative(text) && line->isVisible())
            QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())), validator->problem(text), line);
        return false;
    }
    const QString sin = FieldValidator::normalised(FieldValidator::Sin, text);
    if (spec.sin && !sin.isEmpty() && !CheckSIN(sin))
        mark(line, tr("The S.I.N. check digit is wrong: verify the number"), false);
    else
        mark(line, QString(), false);
    return true;
}

bool BaseTaxPage::writeField(int field, QWidget *editor)
{
    const FieldSpec &spec = specOf(field);
    if (spec.calculated)
        return false;
    FieldRecord &values = m_data->fields();
    const QString before = values.valueText(field);
    if (auto *box = qobject_cast<QCheckBox *>(editor)) {
        values.setNumber(field, box->isChecked() ? 1 : 0);
    } else if (auto *combo = qobject_cast<CT1ComboBox *>(editor)) {
        // a list left blank (no stored value among its choices) keeps the stored value
        if (combo->currentIndex() < 0)
            return false;
        values.setNumber(field, combo->GetCurSelData());
    } else if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        // the stored value as shown, unchanged: written back it could only be rounded or trimmed
        if (line->text() == line->property(kShownText).toString())
            return false;
        if (!checkEditor(line, spec))
            return false;
        const QString text = usesValidator(spec)
            ? FieldValidator::normalised(validatorKind(spec), line->text())
            : line->text().trimmed();
        if (!values.setValueText(field, text)) {
            mark(line, tr("This value cannot be stored"), true);
            return false;
        }
    }
    return values.valueText(field) != before;
}

void BaseTaxPage::commitPage()
{
    if (!m_data)
        return;
    for (auto it = m_editors.cbegin(); it != m_editors.cend(); ++it)
        writeField(it.key(), it.value());
    // the caller recalculates once for the whole page
    m_committing = true;
    for (RowListEditor *editor : qAsConst(m_rowLists))
        editor->commitEditor();
    m_committing = false;
}

void BaseTaxPage::editFinished(QWidget *editor)
{
    if (m_loading || !m_data)
        return;
    const int field = m_editors.key(editor, -1);
    if (field < 0 || !writeField(field, editor))
        return;
    emit signalCalc(m_data, field);
}

void createPages(CTaxData_Form *data, QList<BaseTaxPage *> &pages, QWidget *parent)
{
    // a record may be all rows (the dependants)
    if (!data || (data->fieldTable().count() == 0 && data->rowListCount() == 0))
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
    const QStringList sections = FieldTable::sectionNames(data->kind(), data->formType());
    if (sections.isEmpty()) {
        pages.append(new BaseTaxPage(data, title, 0, parent));
        return;
    }
    for (int i = 0; i < sections.size(); ++i)
        pages.append(new BaseTaxPage(data, sections[i], i, parent));
}
