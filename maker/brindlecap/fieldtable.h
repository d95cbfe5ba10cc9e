#pragma once
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <limits>
#include <vector>

class MyDataStream;

// The kinds of value a calculator field holds.
enum class FieldKind : quint8 { Amount = 1, Int = 2, Flag = 3, Date = 4, Text = 5 };

// One field of a calculator class: a stable key, its kind, the line or box code
// it answers to (0 for none) and its default. A transient field lives in memory
// only: files get its default in its place, and reading never fills it (secrets
// of the preparer that the calculation copies into a form).
//
// What a page shows (caption, line, section, choices and the calculated and
// internal flags) is not written in the calculator's rows: describedSpecs
// fills it from the caption tables of the form type.
struct FieldSpec
{
    const char *key;
    FieldKind kind;
    int code = 0;
    double defaultValue = 0.0;
    bool transient = false;
    const char *caption = nullptr;   // UTF-8; null: the key stands for it
    const char *line = nullptr;      // "10100", "Box 14"; null for none
    int section = 0;
    const char *choices = nullptr;   // a choice list's name (choiceList)
    bool calculated = false;         // worked out by the program: shown read-only
    bool internal = false;           // kept by the program: shown on no page
    bool sin = false;                // a social insurance number
    bool noPrint = false;            // shown, but left out of the client copy
    int order = -1;                  // its row in the caption table: pages show rows in that order
};

// The declared fields of one calculator class, in their stored order.
// A class declares its table once (a function-local static), and every object
// of the class keeps its values in a FieldRecord laid out by that table.
class FieldTable
{
public:
    FieldTable(std::initializer_list<FieldSpec> specs, const FieldTable *base = nullptr);
    FieldTable(const std::vector<FieldSpec> &specs, const FieldTable *base = nullptr);

    int count() const { return int(m_specs.size()); }
    const FieldSpec &spec(int i) const { return m_specs[size_t(i)]; }
    // Index of a field by key or by code; -1 when the table has none.
    int indexOf(const QString &key) const { return m_byKey.value(key, -1); }
    int indexOfCode(int code) const { return m_byCode.value(code, -1); }
    // Position of a field's value inside the numeric or the text store.
    int slot(int i) const { return m_slot[size_t(i)]; }
    int numericCount() const { return m_numeric; }
    int textCount() const { return m_text; }
    static bool isNumeric(FieldKind k) { return k == FieldKind::Amount || k == FieldKind::Int || k == FieldKind::Flag; }
    bool isTransient(int i) const { return m_specs[size_t(i)].transient; }
    // The specs with the caption table of a form type merged in (built once
    // per kind and type); the section names of the type's pages.
    const std::vector<FieldSpec> &describedSpecs(int kind, int type) const;
    // The indexes of the described specs in the order the pages show them: by
    // their caption rows, which is not always the stored order (kept among equals).
    const std::vector<int> &shownOrder(int kind, int type) const;
    static QStringList sectionNames(int kind, int type);
    bool hasTransient() const { return m_hasTransient; }
    // The kind a stored value must have to be read into field i; 0 for a transient field.
    quint8 readKind(int i) const { return m_readKind[size_t(i)]; }
    // The defaults of the numeric store, by slot.
    const std::vector<double> &numericDefaults() const { return m_numDefaults; }

private:
    struct Described
    {
        std::vector<FieldSpec> specs;
        std::vector<int> shownOrder;
    };
    void build();
    const Described &described(int kind, int type) const;
    std::vector<FieldSpec> withCaptions(int kind, int type) const;
    std::vector<FieldSpec> m_specs;
    std::vector<int> m_slot;
    std::vector<double> m_numDefaults;
    std::vector<quint8> m_readKind;
    QHash<QString, int> m_byKey;
    QHash<int, int> m_byCode;
    int m_numeric = 0;
    int m_text = 0;
    bool m_hasTransient = false;
    mutable QHash<int, Described> m_described;
};

// The values of one object laid out by its table. Dates are kept as text
// ("yyyy-MM-dd") in the text store; a date is parsed once, on first use after
// its text was set, and kept as its day number beside the text.
class FieldRecord
{
public:
    explicit FieldRecord(const FieldTable &table);

    const FieldTable &table() const { return *m_table; }
    void reset();

    double number(int i) const { return m_num[size_t(m_table->slot(i))]; }
    void setNumber(int i, double v) { m_num[size_t(m_table->slot(i))] = v; }
    const QString &text(int i) const { return m_str[size_t(m_table->slot(i))]; }
    void setText(int i, const QString &v)
    {
        const size_t s = size_t(m_table->slot(i));
        m_str[s] = v;
        m_days[s] = kUnparsed;
    }
    QDate date(int i) const;
    void setDate(int i, const QDate &d);

    // Value by key or code as text / number; unknown keys answer empty / 0.
    QString valueText(int i) const;
    bool setValueText(int i, const QString &v);
    // Clears a value as an empty text does: 0 for a number, no text or date.
    void clearValue(int i)
    {
        if (FieldTable::isNumeric(m_table->spec(i).kind))
            setNumber(i, 0.0);
        else
            setText(i, QString());
    }

    bool sameValues(const FieldRecord &other) const;
    void copyFrom(const FieldRecord &other);   // both of one table

    // Writes or reads the values: a count, then per field its kind and value.
    // Reading keeps defaults for fields the stream lacks and skips values it does not know.
    // A transient field is written as its default and its stored value is skipped.
    bool serialise(MyDataStream &ar);

private:
    const FieldTable *m_table;
    std::vector<double> m_num;
    std::vector<QString> m_str;
    // The day number of each text slot's date (QDate's null day for none), or
    // kUnparsed until date() first reads it.
    static constexpr qint64 kUnparsed = std::numeric_limits<qint64>::max();
    mutable std::vector<qint64> m_days;
};

// A repeating group of rows (Schedule 3 dispositions, donations, expense lines).
class FieldRowList
{
public:
    explicit FieldRowList(const FieldTable &table) : m_table(&table) {}
    const FieldTable &table() const { return *m_table; }
    int count() const { return int(m_rows.size()); }
    FieldRecord &row(int i) { return m_rows[size_t(i)]; }
    const FieldRecord &row(int i) const { return m_rows[size_t(i)]; }
    FieldRecord &append();
    void removeAt(int i);
    void clear() { m_rows.clear(); }
    bool sameValues(const FieldRowList &other) const;
    void copyFrom(const FieldRowList &other);
    bool serialise(MyDataStream &ar);
    // Sum of one numeric column over all rows.
    double sum(int column) const;

private:
    const FieldTable *m_table;
    std::vector<FieldRecord> m_rows;
};
