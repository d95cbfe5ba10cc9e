#pragma once
#include <QHash>
#include <QMap>
#include <QWizardPage>

class CBoolField;
class CDateField;
class CFloatField;
class CIntField;
class CStringField;
class CTaxData_Form;
class CWSBaseData;
class CT1ComboBox;
class DoubleLineEdit;
class QButtonGroup;
class StringLineEdit;
class StyledCheckBox;
class StyledDateEdit;

// Base of every wizard page that edits a data record. A page's bindFields
// binds each widget named fld_<Field> to its field: the widget goes into the
// name map and the field map of its kind, and its change signal reaches the
// kind's handler, which writes the widget's value into the field.
// GetDataFromDoc fills the widgets from the record; PutDataToDoc reads them
// all back (the base's validatePage does this, so a page's own test sees the
// values shown).
class PpgWizardPage : public QWizardPage
{
    Q_OBJECT
public:
    PpgWizardPage(CWSBaseData *data, CTaxData_Form *form, QWidget *parent = nullptr);
    ~PpgWizardPage() override;

    void initializePage() override;
    bool validatePage() override;

    virtual void bindFields(CWSBaseData *data);
    virtual void GetDataFromDoc();
    virtual void PutDataToDoc();

    CWSBaseData *data() const { return m_data; }
    CTaxData_Form *form() const { return m_form; }
    // The widget bound under an object name, whatever its kind; null when none.
    QObject *boundWidget(const QString &name) const;

protected slots:
    void onStringEditFinished();
    void onDateChanged(const QDate &date);
    void onCmbCurIndexChanged(int index);
    void onRadioIdClicked(int id);
    void onBoolChanged(int state);
    void onFloatEditFinished();

protected:
    // One call per widget, each making its kind's set-up and connection.
    void bindString(StringLineEdit *w, CStringField *f);
    void bindDate(StyledDateEdit *w, CDateField *f);
    void bindCombo(CT1ComboBox *w, CIntField *f);
    // The group's buttons named <group>_0, <group>_1 ... get the ids 0, 1 ...
    void bindRadio(QButtonGroup *group, CIntField *f);
    void bindBool(StyledCheckBox *w, CBoolField *f);
    void bindFloat(DoubleLineEdit *w, CFloatField *f);
    void bindFloatDisplay(DoubleLineEdit *w, CFloatField *f);

private:
    CWSBaseData *m_data;
    CTaxData_Form *m_form;
    bool m_filling = false;

    QMap<QString, StringLineEdit *> m_stringNames;
    QHash<StringLineEdit *, CStringField *> m_strings;
    QMap<QString, StyledDateEdit *> m_dateNames;
    QHash<StyledDateEdit *, CDateField *> m_dates;
    QMap<QString, CT1ComboBox *> m_comboNames;
    QHash<CT1ComboBox *, CIntField *> m_combos;
    QMap<QString, QButtonGroup *> m_radioNames;
    QHash<QButtonGroup *, CIntField *> m_radios;
    QMap<QString, StyledCheckBox *> m_boolNames;
    QHash<StyledCheckBox *, CBoolField *> m_bools;
    QMap<QString, DoubleLineEdit *> m_floatNames;
    QHash<DoubleLineEdit *, CFloatField *> m_floats;
    QMap<QString, DoubleLineEdit *> m_displayNames;
    QHash<DoubleLineEdit *, CFloatField *> m_displays;
};
