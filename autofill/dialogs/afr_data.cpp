#include "afr_data.h"
#include "ui_afr_data.h"
#include <QTextCursor>

AFR_Data::AFR_Data(const QString &html, QWidget *parent)
    : PpgWizardPage(nullptr, nullptr, parent), ui(new Ui::AFR_Data), htmlText(html)
{
    ui->setupUi(this);
    ui->txtTaxData->appendHtml(htmlText);
    // the report is read from its top, in the room the page has
    ui->txtTaxData->moveCursor(QTextCursor::Start);
    ui->txtTaxData->ensureCursorVisible();
    ui->gridLayout->setRowStretch(3, 1);
    ui->gridLayout->setColumnStretch(2, 1);
}

AFR_Data::~AFR_Data()
{
    delete ui;
}
