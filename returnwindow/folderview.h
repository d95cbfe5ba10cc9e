#pragma once
#include "treeitem.h"
#include <QTreeWidget>

class CReturnFile;
class CTaxData_Form;
class ReturnWindowHost;

// The navigation tree of a return window: six sections (Start, Tax Slips,
// Express Wizard, Tax Notes, Tax Forms, Result) over the entries of the
// person shown. Items keep their positions across refreshes: the n-th entry
// always lands on the n-th child of its section.
class FolderView : public QTreeWidget
{
    Q_OBJECT
public:
    explicit FolderView(QWidget *parent = nullptr);
    ~FolderView() override;

    void setTaxData(CReturnFile *returnFile);
    // The window whose actions fill the context menus (none: no menus).
    void setHost(ReturnWindowHost *host) { m_host = host; }

    void refreshAll();
    void refreshForms();
    void refreshSlips();
    void refreshNotes();
    void refreshWizard();
    void clearForms();
    void clearSlips();
    void clearNotes();
    void updateFormLabels();
    void updateSlipAndNoteLabels();
    void selectItem(int &category, int id);
    QTreeWidgetItem *selectedItem() const;
    // Category (0 form, 1 slip, 3 note, 99 Result, -1 none), type and id (0
    // unless a form, slip or note) of the selection; returns the selected entry, or null (also for Result and
    // for an item whose entry has no object).
    void *getSelection(int &category, int &type, int &id) const;
    // The data object of the selected form, slip, note or wizard item; null otherwise.
    CTaxData_Form *selectedObject() const;
    bool removeSelectedItem();

    QTreeWidgetItem *root(int section) { return &m_roots[section]; }
    const QTreeWidgetItem *root(int section) const { return &m_roots[section]; }
    enum Section { Start, Slips, Wizard, Notes, Forms, Result, SectionCount };

public slots:
    void ShowContextMenu(const QPoint &pos);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    static void clearSection(QTreeWidgetItem &root);
    int sectionOf(const QTreeWidgetItem *item) const;

    TreeItem m_roots[SectionCount];
    CReturnFile *m_return = nullptr;
    ReturnWindowHost *m_host = nullptr;
};
