#pragma once
#include "ctaxdata_form.h"

// A tax note of the return: a title and free text.
class TaxData_TaxNote : public CTaxData_Form
{
public:
    enum Field { F_Title, F_Text, F_Count };

    TaxData_TaxNote();

    QString title() const { return text(F_Title); }
    void setTitle(const QString &v) { CTaxData_Form::setText(F_Title, v); }
    QString noteText() const { return text(F_Text); }
    void setNoteText(const QString &v) { CTaxData_Form::setText(F_Text, v); }
    void getDescription(CString &out) const override;
};
