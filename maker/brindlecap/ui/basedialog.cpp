#include "basedialog.h"
#include <QGuiApplication>
#include <QScreen>

BaseDialog::BaseDialog(QWidget *parent, const QString &title) : QDialog(parent)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (!title.isEmpty())
        setWindowTitle(title);
}

void BaseDialog::initUI(int width, int height)
{
    resize(width, height);
}

void BaseDialog::afterCreateUI()
{
    const QWidget *anchor = parentWidget() ? parentWidget()->window() : nullptr;
    QScreen *screen = anchor && anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize room = screen->availableGeometry().size();
    if (room.isEmpty())
        return;
    resize(size().boundedTo(room));
}
