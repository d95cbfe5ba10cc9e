#pragma once
// The visitors that fill the sections of the navigation tree from a person's
// lists. Forms and slips reuse the section's existing items in order; notes
// and wizard entries are appended to an emptied section.
#include "cenumtaxformobj.h"
#include "cenumtaxnoteobj.h"
#include "cenumtaxslipobj.h"
#include "cenumtaxwizardobj.h"
#include <QString>

class FolderView;
class QTreeWidgetItem;
class IndividualTaxData;
struct FormEntry;

// Label of a slip item: "S-" when shared in a coupled return, the slip's name,
// then " - " and its description (with " by Auto-Fill" for downloaded slips).
void buildSlipLabel(bool coupled, const FormEntry *entry, QString &label);

class CPopFormObj : public CEnumTaxFormObj
{
public:
    CPopFormObj(bool coupled, IndividualTaxData *person) : m_coupled(coupled), m_person(person) {}
    bool OnEnumItem(FormEntry *entry, void *view) override;
    bool OnEnumBegin(void *view) override;
    bool OnEnumEnd(void *view) override;

private:
    bool m_coupled;
    IndividualTaxData *m_person;
    QTreeWidgetItem *m_cursor = nullptr;
};

class CPopSlipObj : public CEnumTaxSlipObj
{
public:
    explicit CPopSlipObj(bool coupled) : m_coupled(coupled) {}
    bool OnEnumItem(FormEntry *entry, void *view) override;
    bool OnEnumBegin(void *view) override;
    bool OnEnumEnd(void *view) override;

private:
    bool m_coupled;
    QTreeWidgetItem *m_cursor = nullptr;
};

class CPopNoteObj : public CEnumTaxNoteObj
{
public:
    bool OnEnumItem(NoteEntry *entry, void *view) override;
};

class CPopWizObj : public CEnumTaxWizardObj
{
public:
    bool OnEnumItem(WizardEntry *entry, void *view) override;
};
