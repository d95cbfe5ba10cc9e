// Takes pictures of the return window over a coupled return for a look at its
// tree, pages and help: the spouse's first slip is shared, then the window is
// shown with the light theme and with a dark background colour. A form with a
// row list is shown at the page of its table.
//   bqwindowshots description.json out-folder
#include "basetaxpage.h"
#include "creturnfile.h"
#include "folderview.h"
#include "form_return.h"
#include "formentry.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "returnbuilder.h"
#include "tabwndapp.h"
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

namespace {
void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(60);
    }
}

bool shot(Form_Return &window, const QString &path)
{
    settle();
    const bool ok = window.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "failed", qPrintable(path));
    return ok;
}

CReturnFile *load(const QString &description)
{
    QFile file(description);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QString error;
    CReturnFile *rf = returnbuilder::build(QJsonDocument::fromJson(file.readAll()).object(), &error);
    if (!rf) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    if (rf->isCoupled() && rf->spouse()->slips().count() > 0) {
        rf->setCurrentPerson(CReturnFile::kSpouse);
        rf->shareSlipWithSpouse(rf->spouse()->slips().at(0)->object, 0);
        rf->setCurrentPerson(CReturnFile::kSelf);
    }
    returnbuilder::recalculate(*rf);
    return rf;
}

// Shows the first page that holds a row list, when the form has one.
void showRowListPage(Form_Return &window)
{
    const QList<BaseTaxPage *> &pages = window.openPages();
    for (int i = 0; i < pages.size(); ++i)
        if (pages[i]->rowListEditor(0)) {
            window.formTabs()->setCurrentIndex(i);
            return;
        }
}

bool takeShots(const QString &description, const QString &folder, const QString &theme, const QString &color)
{
    TabWndApp::instance()->config().BKColor = color;
    CReturnFile *rf = load(description);
    if (!rf)
        return false;
    Form_Return window(nullptr, rf, nullptr, nullptr, 1, -1, 11);
    // as the main window holds it on a 1280 x 800 screen
    window.resize(1274, 680);
    window.show();
    settle();
    bool ok = true;
    FolderView *tree = window.folderView();
    const QList<FormEntry *> slips = rf->self()->slips().items();
    int category = 1;
    for (FormEntry *e : slips)
        if (e->linkedId > 0)
            tree->selectItem(category, e->id);
    ok &= shot(window, QStringLiteral("%1/%2-shared-slip.png").arg(folder, theme));
    category = 0;
    tree->selectItem(category, rf->findFormEntry(1, 0, false)->id);
    settle();
    // every T1 page, its top and, when it scrolls, its end
    QTabWidget *tabs = window.formTabs();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QString page = tabs->tabText(i).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
        ok &= shot(window, QStringLiteral("%1/%2-t1-%3.png").arg(folder, theme, page));
        auto *scroll = qobject_cast<QScrollArea *>(tabs->currentWidget());
        if (scroll && scroll->verticalScrollBar()->maximum() > 0) {
            scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
            ok &= shot(window, QStringLiteral("%1/%2-t1-%3-end.png").arg(folder, theme, page));
        }
    }
    // the provincial tax form, the T183, the schedules and the statements the return holds
    for (int type : {24, 25, 96, 6, 7, 9, 11, 150, 148, 4, 125, 12, 101}) {
        FormEntry *form = rf->findFormEntry(type, 0, false);
        if (!form)
            continue;
        tree->selectItem(category, form->id);
        settle();
        showRowListPage(window);
        ok &= shot(window, QStringLiteral("%1/%2-form-%3.png").arg(folder, theme).arg(type));
    }
    tree->setCurrentItem(tree->root(FolderView::Start));
    ok &= shot(window, QStringLiteral("%1/%2-help.png").arg(folder, theme));
    return ok;
}
} // namespace

int main(int argc, char **argv)
{
    TabWndApp *app = TabWndApp::create(argc, argv);
    if (argc < 3 || app->initialize() != 0) {
        std::fprintf(stderr, "usage: bqwindowshots description.json out-folder\n");
        delete app;
        return 2;
    }
    ScriptedMessages messages;
    setMessageHandler(&messages);
    const QString description = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(folder);
    bool ok = takeShots(description, folder, QStringLiteral("light"), QString());
    ok &= takeShots(description, folder, QStringLiteral("dark"), QStringLiteral("#202020"));
    delete app;
    return ok ? 0 : 1;
}
