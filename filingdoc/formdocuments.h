#pragma once
#include "cstring.h"
#include "templatefiller.h"
#include <QList>

class IndividualTaxData;
class ValidationMessageGroup;

// The documents of forms T1013 (authorizing a representative) and T1135 (foreign
// income verification), filed on their own, and the forms' own checks.

enum FormDocumentStatus { FormDocumentNoForm = -100 };

// The form's own checks as one group (kind 2, the form's type) appended to groups
// when they find anything; gives the check's result, 0 without the form.
int collectT1013Messages(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups);
int collectT1135Messages(IndividualTaxData &person, quint8 edition, QList<ValidationMessageGroup *> &groups);

// The T1013 document (form version "2024", release date 2026-05-25, the EFILE code
// with "H"), appended to document; the producer's result, FormDocumentNoForm
// without a T1013.
int buildT1013Xml(IndividualTaxData &person, CString &document);
// The T1135 document appended to document: header, body, end. 0, or the first
// part's failure with nothing appended; FormDocumentNoForm without a T1135.
int buildT1135Xml(IndividualTaxData &person, QString &document);
// The header (software code with "K", revision date 2026-05-25) and the end part,
// filled from vars and appended; the template filler's result.
int buildT1135Header(QString &document, TemplateVars &vars);
int appendT1135EndPart(QString &document, const TemplateVars &vars);
