#pragma once
#include <QSortFilterProxyModel>
#include <QWidget>

class MainWindow;
class TabWndApp;
class QTableView;

namespace Ui {
class ViewIntroduction;
}

// The start page: the recently opened return files with a name filter, and the
// commands to open, remove, create and import returns.
class ViewIntroduction : public QWidget
{
    Q_OBJECT
public:
    ViewIntroduction(TabWndApp *app, MainWindow *mainWindow, QWidget *parent = nullptr);
    ~ViewIntroduction() override;

    QTableView *tableView() const;
    QSortFilterProxyModel *proxy() { return &m_proxy; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

public slots:
    void on_newButton_clicked();
    void on_prefButton_clicked();
    void on_openButton_clicked();
    void on_delButton_clicked();
    void on_tableView_doubleClicked(const QModelIndex &index);
    void on_importButton_clicked();
    void on_edtFilter_textChanged(const QString &text);
    void on_resetFilterButton_clicked();
    void ShowContextMenu(const QPoint &pos);
    void gotoSelectedFolder();
    void copySelectedFolder();

private:
    // The selected row as an index of the proxy; invalid when none.
    QModelIndex selectedRow() const;
    // Folder of the selected row's file; empty when no row is selected.
    QString selectedFolder() const;

    bool m_firstShow = true;
    Ui::ViewIntroduction *ui;
    MainWindow *m_mainWindow;
    TabWndApp *m_app;
    QSortFilterProxyModel m_proxy;
};
