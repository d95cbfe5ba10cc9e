#pragma once
class Form_Return;
class QMenu;
class QObject;
class QString;

// What a return window asks of the window that holds it. The main window
// implements it; the return window never sees the main window's class.
class ReturnWindowHost
{
public:
    virtual ~ReturnWindowHost() = default;
    // Parent of the return window's Windows-menu action.
    virtual QObject *hostObject() = 0;
    // The one-line result text of the current person.
    virtual void setResultText(const QString &text) = 0;
    // Fills a context menu of the tree with the host's actions of that kind.
    virtual void addContextActions(int kind, QMenu *menu) = 0;
    // Saves a return that has no file yet under a name the user chooses;
    // true when it was saved.
    virtual bool saveReturnUnderNewName(Form_Return *page) = 0;
    // Opens a found return file of this year, or imports one of an earlier year.
    virtual void openReturnFile(const QString &path) = 0;
    virtual void importPriorYearReturn(const QString &path) = 0;
};
