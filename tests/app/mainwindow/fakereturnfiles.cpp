// Stand-ins for the main window's return-file commands: each records its call
// in fakeCalls(), so the start page and the window can be tested alone.
#include "fakeformreturn.h"
#include "mainwindow.h"

void MainWindow::actionNewReturn() { fakeCalls() << QStringLiteral("actionNewReturn()"); }
void MainWindow::actionOpenReturn() { fakeCalls() << QStringLiteral("actionOpenReturn()"); }
void MainWindow::actionSaveReturn() { fakeCalls() << QStringLiteral("actionSaveReturn()"); }
void MainWindow::on_actionSave_Return_As_triggered() { fakeCalls() << QStringLiteral("saveAs()"); }
void MainWindow::on_actionImport_Prior_Year_s_Return_triggered() { fakeCalls() << QStringLiteral("importPriorYear()"); }
void MainWindow::on_actionCouple_Returns_2to1_triggered() { fakeCalls() << QStringLiteral("couple()"); }
void MainWindow::on_actionFind_Returns_Not_Filed_Online_triggered() { fakeCalls() << QStringLiteral("notFiled()"); }
void MainWindow::on_actionFind_Return_Files_triggered() { fakeCalls() << QStringLiteral("findFiles()"); }
void MainWindow::openReturnFile(const QString &path) { fakeCalls() << QStringLiteral("openReturnFile(%1)").arg(path); }
void MainWindow::importPriorYearReturn(const QString &path) { fakeCalls() << QStringLiteral("importPriorYearReturn(%1)").arg(path); }
bool MainWindow::saveReturnUnderNewName(Form_Return *) { fakeCalls() << QStringLiteral("saveReturnUnderNewName()"); return false; }
