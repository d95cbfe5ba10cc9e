#include "rowlisteditor.h"
#include "ct1combobox.h"
#include "ctaxdata_form.h"
#include "fieldcaptions.h"
#include "fieldvalidator.h"
#include "utils.h"
#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {
const int kMessageRole = Qt::UserRole + 1;   // a refused or flagged cell's message
const int kRefusedRole = Qt::UserRole + 2;   // true when the cell's text was refused
const char kRefusedColor[] = "#FDECEA";
const char kFlaggedColor[] = "#FFF8E1";
const char kCalculatedColor[] = "#DDE3E8";
const char kMarkedText[] = "#263238";

bool usesValidator(const RowListEditor::Column &c)
{
    return (c.caption->flags & FieldCaption::Sin) || c.kind == FieldKind::Amount || c.kind == FieldKind::Int
        || c.kind == FieldKind::Date;
}

FieldValidator::Kind validatorKind(const RowListEditor::Column &c)
{
    if (c.caption->flags & FieldCaption::Sin)
        return FieldValidator::Sin;
    switch (c.kind) {
    case FieldKind::Int: return FieldValidator::Integer;
    case FieldKind::Date: return FieldValidator::Date;
    default: return FieldValidator::Amount;
    }
}

QString headerText(const FieldCaption &caption)
{
    const QString text = QString::fromUtf8(caption.caption);
    return *caption.line ? QString::fromLatin1(caption.line) + QLatin1Char(' ') + text : text;
}

// Wide enough for the caption and at least as wide as the column's kind needs.
int columnWidth(const RowListEditor::Column &c, const QFontMetrics &metrics)
{
    const int least = c.caption->choices || c.kind == FieldKind::Text ? 200 : c.kind == FieldKind::Amount ? 120 : 80;
    return qBound(least, metrics.horizontalAdvance(headerText(*c.caption)) + 24, 400);
}

QString choiceLabel(const char *choices, int code)
{
    for (const auto &choice : choiceList(QString::fromLatin1(choices)))
        if (choice.first == code)
            return choice.second;
    return QString::number(code);
}

// The table: it lets its owner commit a cell editor still open.
class RowTable : public QTableWidget
{
public:
    using QTableWidget::QTableWidget;
    void commitOpenEditor()
    {
        if (state() != EditingState)
            return;
        if (QWidget *editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

// True when the event ends the editing of a cell: a commit key, or the focus
// going outside the editor.
bool endsEditing(QWidget *editor, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab || key == Qt::Key_Backtab;
    }
    if (event->type() != QEvent::FocusOut)
        return false;
    for (QWidget *w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (w == editor)
            return false;
    return true;
}

// The cell editors: a choice list for coded columns, else a line editor with
// the validator of the column's kind.
class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(RowListEditor *owner) : QStyledItemDelegate(owner), m_owner(owner) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const RowListEditor::Column &c = m_owner->columns()[index.column()];
        if (c.caption->choices) {
            auto *combo = new CT1ComboBox(parent);
            for (const auto &choice : choiceList(QString::fromLatin1(c.caption->choices)))
                combo->addItem(choice.second, choice.first);
            return combo;
        }
        auto *line = new QLineEdit(parent);
        if (FieldTable::isNumeric(c.kind))
            line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (usesValidator(c)) {
            auto *validator = new FieldValidator(validatorKind(c), line);
            validator->setNegativeAllowed(m_owner->negativeAllowed(c));
            line->setValidator(validator);
            // a refused keystroke shows at once
            QObject::connect(line, &QLineEdit::inputRejected, line, [line, validator] {
                line->setToolTip(validator->expectation());
                line->setStyleSheet(QStringLiteral("QLineEdit {border: 2px solid #D32F2F; background: %1;}")
                                        .arg(QLatin1String(kRefusedColor)));
            });
        }
        return line;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<CT1ComboBox *>(editor))
            combo->SetCurSelData(index.data(Qt::UserRole).toInt());
        else if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<CT1ComboBox *>(editor))
            model->setData(index, combo->GetCurSelData(), Qt::UserRole);
        else if (auto *line = qobject_cast<QLineEdit *>(editor))
            model->setData(index, line->text(), Qt::EditRole);
    }

protected:
    // Text that is not acceptable yet is committed too, so that the cell shows
    // its refusal instead of dropping it.
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *line = qobject_cast<QLineEdit *>(object);
        if (line && !line->hasAcceptableInput() && endsEditing(line, event)) {
            emit commitData(line);
            emit closeEditor(line, QAbstractItemDelegate::NoHint);
            return event->type() == QEvent::KeyPress;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    RowListEditor *m_owner;
};
} // namespace

bool RowListEditor::Column::editable() const
{
    return !(caption->flags & FieldCaption::Calculated);
}

RowListEditor::RowListEditor(CTaxData_Form *data, const RowListCaptions &captions, QWidget *parent)
    : QWidget(parent), m_data(data), m_captions(captions)
{
    // the columns in the caption table's order
    const FieldTable &rowTable = data->rows(captions.list).table();
    for (int i = 0; i < captions.count; ++i) {
        const FieldCaption &caption = captions.columns[i];
        const int field = rowTable.indexOf(QLatin1String(caption.key));
        if (field >= 0 && !(caption.flags & FieldCaption::Internal))
            m_columns.append({field, rowTable.spec(field).kind, &caption});
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    makeTable();
    layout->addWidget(m_table);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("rowMessage"));
    m_message->setStyleSheet(QStringLiteral("QLabel {color: #D32F2F;}"));
    m_message->setWordWrap(true);
    m_message->hide();
    layout->addWidget(m_message);
    if (!(captions.flags & RowListCaptions::FixedRows))
        layout->addLayout(makeButtons());
}

void RowListEditor::makeTable()
{
    m_table = new RowTable(0, m_columns.size(), this);
    m_table->setObjectName(QStringLiteral("rowTable"));
    m_table->setItemDelegate(new CellDelegate(this));
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    for (int c = 0; c < m_columns.size(); ++c) {
        auto *header = new QTableWidgetItem(headerText(*m_columns[c].caption));
        header->setToolTip(header->text() + (m_columns[c].editable() ? QString() : tr(" (calculated)")));
        m_table->setHorizontalHeaderItem(c, header);
        m_table->setColumnWidth(c, columnWidth(m_columns[c], m_table->horizontalHeader()->fontMetrics()));
    }
    m_table->horizontalHeader()->setStretchLastSection(true);
    connect(m_table, &QTableWidget::itemChanged, this, &RowListEditor::cellChanged);
}

QHBoxLayout *RowListEditor::makeButtons()
{
    auto *buttons = new QHBoxLayout;
    m_add = new QPushButton(tr("Add row"), this);
    m_add->setObjectName(QStringLiteral("btnAddRow"));
    m_remove = new QPushButton(tr("Remove row"), this);
    m_remove->setObjectName(QStringLiteral("btnRemoveRow"));
    m_remove->setEnabled(false);
    buttons->addWidget(m_add);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    connect(m_add, &QPushButton::clicked, this, [this] { addRow(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeRow(m_table->currentRow()); });
    connect(m_table, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_remove->setEnabled(row >= 0 && row < m_table->rowCount()); });
    return buttons;
}

bool RowListEditor::slotRows() const
{
    return m_captions.flags & RowListCaptions::SlotRows;
}

bool RowListEditor::rowUsed(int row) const
{
    const FieldRecord &record = m_data->rows(list()).row(row);
    for (int i = 0; i < record.table().count(); ++i) {
        const FieldKind kind = record.table().spec(i).kind;
        if (FieldTable::isNumeric(kind) ? record.number(i) != 0.0 : !record.text(i).isEmpty())
            return true;
    }
    return false;
}

int RowListEditor::list() const
{
    return m_captions.list;
}

int RowListEditor::columnOf(const QString &key) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (QLatin1String(m_columns[c].caption->key) == key)
            return c;
    return -1;
}

void RowListEditor::syncData()
{
    if (!m_data)
        return;
    const int rows = m_data->rows(list()).count();
    m_loading = true;
    if (m_table->rowCount() != rows)
        m_table->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < m_columns.size(); ++c)
            setCell(r, c);
    m_loading = false;
    int shownRows = rows;
    if (slotRows()) {
        int used = 0;
        for (int r = 0; r < rows; ++r)
            if (rowUsed(r))
                used = r + 1;
        m_shownSlots = qBound(used, m_shownSlots, rows);
        for (int r = 0; r < rows; ++r)
            m_table->setRowHidden(r, r >= m_shownSlots);
        shownRows = m_shownSlots;
    } else if ((m_captions.flags & RowListCaptions::NamedRows) && !m_columns.isEmpty()) {
        shownRows = 0;
        for (int r = 0; r < rows; ++r) {
            const bool named = !m_data->rows(list()).row(r).valueText(m_columns.first().field).isEmpty();
            m_table->setRowHidden(r, !named && !rowUsed(r));
            shownRows += m_table->isRowHidden(r) ? 0 : 1;
        }
    }
    // the table grows with its rows, up to fifteen of them, then scrolls
    const int shown = qBound(4, shownRows + 1, 15);
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height()
                            + shown * m_table->verticalHeader()->defaultSectionSize() + 2 * m_table->frameWidth());
    if (m_remove)
        m_remove->setEnabled(m_table->currentRow() >= 0 && m_table->currentRow() < rows);
    showMessage();
}

void RowListEditor::setCell(int row, int column)
{
    const Column &c = m_columns[column];
    const FieldRecord &record = m_data->rows(list()).row(row);
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        m_table->setItem(row, column, item);
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (c.kind == FieldKind::Flag) {
        item->setCheckState(record.number(c.field) != 0.0 ? Qt::Checked : Qt::Unchecked);
        if (c.editable())
            flags |= Qt::ItemIsUserCheckable;
    } else if (c.caption->choices) {
        item->setData(Qt::UserRole, int(record.number(c.field)));
        item->setText(choiceLabel(c.caption->choices, int(record.number(c.field))));
    } else {
        item->setText(c.kind == FieldKind::Amount ? QString::number(record.number(c.field), 'f', 2)
                                                  : record.valueText(c.field));
        if (FieldTable::isNumeric(c.kind))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (c.editable() && c.kind != FieldKind::Flag)
        flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    const QString sin = FieldValidator::normalised(FieldValidator::Sin, record.valueText(c.field));
    if ((c.caption->flags & FieldCaption::Sin) && !sin.isEmpty() && !CheckSIN(sin))
        markCell(item, tr("The S.I.N. check digit is wrong: verify the number"), false);
    else
        markCell(item, QString(), false);
}

void RowListEditor::markCell(QTableWidgetItem *item, const QString &message, bool refused)
{
    // the marks are item changes of their own
    const bool loading = m_loading;
    m_loading = true;
    item->setData(kMessageRole, message.isEmpty() ? QVariant() : QVariant(message));
    item->setData(kRefusedRole, refused ? QVariant(true) : QVariant());
    item->setToolTip(message);
    const bool calculated = !m_columns[item->column()].editable();
    if (!message.isEmpty())
        item->setBackground(QColor(QLatin1String(refused ? kRefusedColor : kFlaggedColor)));
    else if (calculated)
        item->setBackground(QColor(QLatin1String(kCalculatedColor)));
    else
        item->setBackground(QBrush());
    item->setForeground(message.isEmpty() && !calculated ? QBrush() : QBrush(QColor(QLatin1String(kMarkedText))));
    m_loading = loading;
}

QString RowListEditor::cellMessage(int row, int column) const
{
    const QTableWidgetItem *item = m_table->item(row, column);
    return item ? item->data(kMessageRole).toString() : QString();
}

void RowListEditor::showMessage()
{
    QString text;
    for (int r = 0; r < m_table->rowCount() && text.isEmpty(); ++r)
        for (int c = 0; c < m_table->columnCount() && text.isEmpty(); ++c)
            if (const QTableWidgetItem *item = m_table->item(r, c); item && item->data(kRefusedRole).toBool())
                text = tr("Row %1, %2: %3 (not written)")
                           .arg(r + 1)
                           .arg(QString::fromUtf8(m_columns[c].caption->caption), item->data(kMessageRole).toString());
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty());
}

bool RowListEditor::negativeAllowed(const Column &c) const
{
    return amountMayBeNegative(m_captions.kind, m_captions.type, c.caption->key, c.caption->caption);
}

int RowListEditor::writeCell(QTableWidgetItem *item)
{
    const Column &c = m_columns[item->column()];
    FieldRowList &rows = m_data->rows(list());
    if (item->row() >= rows.count() || !c.editable())
        return 0;
    FieldRecord &record = rows.row(item->row());
    const QString before = record.valueText(c.field);
    if (c.kind == FieldKind::Flag) {
        record.setNumber(c.field, item->checkState() == Qt::Checked ? 1 : 0);
    } else if (c.caption->choices) {
        record.setNumber(c.field, item->data(Qt::UserRole).toInt());
    } else {
        QString text = item->text();
        if (usesValidator(c)) {
            FieldValidator validator(validatorKind(c));
            validator.setNegativeAllowed(negativeAllowed(c));
            int pos = 0;
            if (validator.validate(text, pos) != QValidator::Acceptable) {
                markCell(item, validator.problem(text), true);
                return -1;
            }
            text = FieldValidator::normalised(validatorKind(c), text);
        }
        if (!record.setValueText(c.field, text.trimmed())) {
            markCell(item, tr("This value cannot be stored"), true);
            return -1;
        }
    }
    m_loading = true;
    setCell(item->row(), item->column());
    m_loading = false;
    return record.valueText(c.field) != before ? 1 : 0;
}

void RowListEditor::cellChanged(QTableWidgetItem *item)
{
    if (m_loading || !m_data)
        return;
    const int written = writeCell(item);
    showMessage();
    if (written > 0)
        emit edited();
}

void RowListEditor::commitEditor()
{
    static_cast<RowTable *>(m_table)->commitOpenEditor();
}

bool RowListEditor::addRow()
{
    if (!m_data || (m_captions.flags & RowListCaptions::FixedRows))
        return false;
    commitEditor();
    if (slotRows()) {
        if (m_shownSlots >= m_data->rows(list()).count())
            return false;
        ++m_shownSlots;
    } else {
        m_data->rows(list()).append();
    }
    syncData();
    const int row = slotRows() ? m_shownSlots - 1 : m_table->rowCount() - 1;
    for (int c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].editable()) {
            m_table->setCurrentCell(row, c);
            break;
        }
    emit edited();
    return true;
}

bool RowListEditor::removeRow(int row)
{
    if (!m_data || (m_captions.flags & RowListCaptions::FixedRows) || row < 0
        || row >= (slotRows() ? m_shownSlots : m_data->rows(list()).count()))
        return false;
    commitEditor();
    m_data->rows(list()).removeAt(row);
    if (slotRows()) {
        // the slots stay: the later ones move up and the last is empty
        m_data->rows(list()).append();
        m_shownSlots = qMax(0, m_shownSlots - 1);
    }
    syncData();
    emit edited();
    return true;
}
