// The return window's reactions to the pages' events, its look and the
// width of its tree pane.
#include "form_return.h"
#include "basetaxpage.h"
#include "creturnfile.h"
#include "folderview.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "myevent.h"
#include "scrolltaxform.h"
#include "settingsseam.h"
#include "tabwndapp.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1new.h"
#include "taxdata_t2125_new.h"
#include "ui_form_return.h"
#include <QHelpEvent>
#include <QToolTip>

namespace {
QString setting(const char *name)
{
    return settingsSource()->userSetting(QString::fromLatin1(name));
}

bool isDark(const QString &name)
{
    const QColor color(name);
    return color.isValid() && color.lightness() < 128;
}

// Colours of the light and the dark theme.
struct Theme
{
    const char *background;
    const char *tabPaneBorder;
    const char *tabBackground;
    const char *tabBorder;
    const char *tabText;
    const char *selectedTabText;
    const char *frameBackground;
    const char *descriptionText;
    const char *resultText;
    const char *text;
    const char *labelBorder;
};

const Theme kLight{"#FFFFFF", "#3C7EBB", "#E8F0FE", "#B8C5D1", "#2C5AA0", "#1A4480",
                   "#F8F9FB", "#2C5AA0", "#333333", "#000000", "#333333"};
const Theme kDark{"#1E1E1E", "#404040", "#252526", "#404040", "#CCCCCC", "#FFFFFF",
                  "#252526", "#569CD6", "#CCCCCC", "#FFFFFF", "#CCCCCC"};

const Theme &themeOf(bool dark)
{
    return dark ? kDark : kLight;
}

const char kTreeStyle[] =
    "QTreeWidget {color: %3;background-color: %1;font-size: %2pt;border: none;outline: none;"
    "selection-background-color: transparent;}"
    "QTreeWidget::item {padding: 2px 4px;border: none;height: 22px;border-bottom: 1px dotted rgba(128, 128, 128, 80);}"
    "QTreeWidget::item:selected {background-color: transparent;color: %3;font-weight: bold;}"
    "QTreeWidget::item:selected:active {background-color: transparent;color: %3;font-weight: bold;}"
    "QTreeWidget::item:selected:!active {background-color: transparent;color: %3;font-weight: bold;}"
    "QTreeWidget::item:hover {background-color: rgba(128, 128, 128, 20);}"
    "QTreeWidget::branch {background: transparent;}"
    "QTreeWidget::branch:has-siblings:!adjoins-item {border-left: 1px dotted rgba(128, 128, 128, 100);}"
    "QTreeWidget::branch:has-siblings:adjoins-item {border-left: 1px dotted rgba(128, 128, 128, 100);"
    "border-bottom: 1px dotted rgba(128, 128, 128, 100);}"
    "QTreeWidget::branch:!has-children:!has-siblings:adjoins-item {border-left: 1px dotted rgba(128, 128, 128, 100);"
    "border-bottom: 1px dotted rgba(128, 128, 128, 100);}"
    "QTreeWidget::branch:has-children:!has-siblings:closed,QTreeWidget::branch:closed:has-children:has-siblings "
    "{border-image: none;image: none;background: transparent;border-left: 1px dotted rgba(128, 128, 128, 100);}"
    "QTreeWidget::branch:open:has-children:!has-siblings,QTreeWidget::branch:open:has-children:has-siblings "
    "{border-image: none;image: none;background: transparent;border-left: 1px dotted rgba(128, 128, 128, 100);}";

const char kPageStyle[] =
    "QWidget {color: %2;font-size: %1pt;margin-top: 1px;margin-bottom: 1px;} "
    "QPushButton {border:2px solid #8f8f91;min-width: 80px;background-color: qlineargradient(x1: 0, y1: 0, x2: 0, "
    "y2: 1, stop: 0 #f6f7fa, stop: 1 #dadbde);} "
    "QPushButton:pressed {background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #dadbde, stop: 1 "
    "#f6f7fa);} "
    "QFrame[frameShape=\"4\"],QFrame[frameShape=\"5\"]{border:none; background:#E67112;} "
    "QLabel[frameShape=\"1\"]{border: 1px solid %3; padding: 2px;}";

const char kTabStyle[] =
    "QTabWidget::pane {border-top: 1px solid %2;background: %3;padding: 4px;}"
    "QTabBar::tab {background: %4;border: 1px solid %5;border-bottom-color: %2;border-top-left-radius: 3px;"
    "border-top-right-radius: 3px;min-width: 50px;height: 18px;padding: 1px 6px;color: %6;font-weight: normal;"
    "font-size: %1pt;}"
    "QTabBar::tab:selected, QTabBar::tab:hover {background: %7;}"
    "QTabBar::tab:selected {border-color: %2;border-bottom-color: %3;color: %8;font-weight: bold;}"
    "QTabBar::tab:!selected {margin-top: 2px;}";

constexpr int kLeftPaneWidth = 270;
constexpr int kFrameMinimumWidth = 10;   // the designer form's

// The editors of a dark page: the page text is white, so their ground must be
// dark; the buttons keep their light face, so their text stays dark. The
// looks of a refused, flagged or calculated field follow in either theme.
QString editorStyle(bool dark)
{
    const QString theme = dark ? QStringLiteral(" QLineEdit, QComboBox, QCheckBox, QTableWidget {background-color: #1E1E1E;}"
                                                " QPushButton {color: #000000;}")
                               : QString();
    return theme + BaseTaxPage::fieldStateStyle();
}

int leftPaneSetting()
{
    TabWndApp *app = TabWndApp::instance();
    return app ? app->config().LeftPaneSize.toInt() : 0;
}

// The province number of a mailing-address code ("ON"); 0 when none matches.
int provinceByCode(const QString &code)
{
    for (int p = 1; p < kProvinceCount; ++p)
        if (provinceCode(p).compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return p;
    return 0;
}
} // namespace

// ---- events the pages post

bool Form_Return::event(QEvent *e)
{
    switch (int(e->type())) {
    case EventT1013Representative:
        fillT1013Representative();
        refreshPages();
        modifiedChanged();
        return true;
    case EventGoToForm: {
        const int type = static_cast<EventForwardEdit *>(e)->formType();
        const QString name = formName(type);
        if (gMsgYesNo(tr("Do you want to go to form [%1]").arg(name), this))
            goToForm(type);
        return true;
    }
    case EventSendT183:
        sendFormForESignature(96);
        return true;
    case EventT183Status:
        querySignatureStatus(96);
        return true;
    case EventSendRC71:
        sendFormForESignature(53);
        return true;
    case EventRC71Status:
        querySignatureStatus(53);
        return true;
    case EventBusinessAddress:
        copyAddressToT2125(m_currentForm ? m_currentForm->formType() : 0, m_currentForm);
        refreshPages();
        modifiedChanged();
        return true;
    case EventPreparer:
        if (m_return)
            m_return->fillPreparerInfo();
        refreshPages();
        modifiedChanged();
        return true;
    case EventSpouseAddress:
        if (m_return && m_return->syncSpouseMailingAddress() > 0) {
            modifiedChanged();
            gMsgInformation(tr("Mailing address is copied into spouse's return!"), this);
        }
        return true;
    default:
        return QWidget::event(e);
    }
}

void Form_Return::fillT1013Representative()
{
    auto *t1013 = dynamic_cast<TaxData_T1013New *>(m_currentForm);
    if (!t1013)
        return;
    using F = TaxData_T1013New;
    const struct
    {
        int field;
        const char *preference;
    } fills[] = {
        {F::F_RepId, "T1013RepID"},           {F::F_RepFirstName, "T1013RepFirstName"},
        {F::F_RepLastName, "T1013RepLastName"}, {F::F_GroupId, "T1013GroupID"},
        {F::F_GroupName, "T1013GroupName"},   {F::F_BusinessNumber, "T1013BusiNumber"},
        {F::F_BusinessName, "T1013BusiName"}, {F::F_MailAddress, "T1013MailAddr"},
        {F::F_Phone, "T1013Phone"},
    };
    for (const auto &fill : fills)
        t1013->setText(fill.field, setting(fill.preference));
}

int Form_Return::copyAddressToT2125(int, CTaxData_Form *data)
{
    if (!data)
        return -1;
    auto *t1 = m_return ? dynamic_cast<TaxData_T1New *>(m_return->getForm(1, 0, false)) : nullptr;
    if (!t1)
        return -10;
    auto *t2125 = dynamic_cast<TaxData_T2125_New *>(data);
    if (!t2125)
        return -100;
    CString street;
    t1->GetFullAddressWithoutPostcode(11, street);
    using T = TaxData_T2125_New;
    t2125->setText(T::F_Address, street);
    t2125->setText(T::F_City, t1->text(TaxData_T1New::F_City));
    t2125->setIntValue(T::F_Province, provinceByCode(t1->text(TaxData_T1New::F_MailProvince)));
    t2125->setText(T::F_Postcode, t1->text(TaxData_T1New::F_Postcode));
    return 0;
}

// Long tree labels show whole in a tool tip.
bool Form_Return::eventFilter(QObject *watched, QEvent *e)
{
    FolderView *tree = ui->treeFolderView;
    if (watched != tree->viewport() || e->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, e);
    auto *help = static_cast<QHelpEvent *>(e);
    QTreeWidgetItem *item = tree->itemAt(help->pos());
    if (item) {
        const QString text = item->data(0, Qt::DisplayRole).toString();
        const QRect rect = tree->visualItemRect(item);
        if (tree->fontMetrics().horizontalAdvance(text) > rect.width()) {
            QToolTip::showText(help->globalPos(), text, tree);
            return true;
        }
    }
    QToolTip::hideText();
    e->ignore();
    return true;
}

// ---- look

void Form_Return::applyBackgroundColor()
{
    const QString color = setting("BKColor");
    const bool dark = isDark(color);
    applyTheme(dark);
    styleTree(color, m_fontSize, dark);
    const QString style = pageStyleSheet(m_fontSize, dark) + editorStyle(dark);
    for (int i = 0; i < ui->tabForm->count(); ++i) {
        auto *scroll = qobject_cast<ScrollTaxForm *>(ui->tabForm->widget(i));
        if (!scroll)
            continue;
        scroll->setBKColor(color);
        if (QWidget *content = scroll->widget())
            content->setStyleSheet(style);
    }
}

void Form_Return::applyTheme(bool dark)
{
    const Theme &t = themeOf(dark);
    QString background = setting("BKColor");
    if (background.isEmpty())
        background = QString::fromLatin1(t.background);
    ui->tabForm->setStyleSheet(QString::fromLatin1(kTabStyle)
                                   .arg(8)
                                   .arg(QLatin1String(t.tabPaneBorder), background, QLatin1String(t.tabBackground),
                                        QLatin1String(t.tabBorder), QLatin1String(t.tabText), background,
                                        QLatin1String(t.selectedTabText)));
    ui->splitter->setStretchFactor(0, 1);
    ui->splitter->setStretchFactor(1, 3);
    ui->frame->setStyleSheet(
        QStringLiteral("QFrame {background-color: %1;border-radius: 4px;}").arg(QLatin1String(t.frameBackground)));
    ui->frame_2->setStyleSheet(QStringLiteral("QFrame {background-color: %1;border: 1px;border-radius: 4px;}")
                                   .arg(QLatin1String(t.frameBackground)));
    ui->lblFormDesc->setStyleSheet(QStringLiteral("QLabel {color: %1;font-size: 14pt;font-weight: bold;padding: 4px;}")
                                       .arg(QLatin1String(t.descriptionText)));
    if (m_filingState)
        m_filingState->setStyleSheet(QStringLiteral("QLabel {color: %1;font-weight: bold;padding: 2px;}")
                                         .arg(QLatin1String(t.descriptionText)));
    const QString result =
        QStringLiteral("QLabel {color: %1;font-size: 10pt;padding: 2px;}").arg(QLatin1String(t.resultText));
    ui->lblResultLine1->setStyleSheet(result);
    ui->lblResultLine2->setStyleSheet(result);
    ui->label_3->setStyleSheet(QStringLiteral("QLabel {color: %1;}").arg(QLatin1String(t.resultText)));
}

void Form_Return::styleTree(const QString &background, int fontSize, bool dark)
{
    FolderView *tree = ui->treeFolderView;
    QString color = background;
    if (color.isEmpty())
        color = QString::fromLatin1(themeOf(dark).background);
    tree->setStyleSheet(QString::fromLatin1(kTreeStyle).arg(color).arg(fontSize).arg(QLatin1String(themeOf(dark).text)));
    tree->setItemsExpandable(true);
    tree->setExpandsOnDoubleClick(true);
    tree->setMouseTracking(true);
    tree->viewport()->setMouseTracking(true);
    tree->setAttribute(Qt::WA_AlwaysShowToolTips);
    tree->viewport()->setAttribute(Qt::WA_AlwaysShowToolTips);
    tree->viewport()->removeEventFilter(this);
    tree->viewport()->installEventFilter(this);
    tree->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QString Form_Return::pageEditorStyle(bool dark)
{
    return editorStyle(dark);
}

QString Form_Return::pageStyleSheet(int fontSize, bool dark)
{
    const Theme &t = themeOf(dark);
    return QString::fromLatin1(kPageStyle).arg(fontSize).arg(QLatin1String(t.text), QLatin1String(t.labelBorder));
}

// An equal size changes nothing; a new one restyles the tree and reopens the
// shown form so that its pages take the new size.
void Form_Return::setFontSize(int points)
{
    if (points == m_fontSize)
        return;
    m_fontSize = points;
    const QString color = setting("BKColor");
    styleTree(color, m_fontSize, isDark(color));
    if (m_currentForm)
        openForm(-1, m_currentForm);
}

// ---- tree pane

void Form_Return::saveSplitterSizes()
{
    const QList<int> sizes = ui->splitter->sizes();
    if (sizes.isEmpty())
        return;
    if (TabWndApp *app = TabWndApp::instance())
        app->config().LeftPaneSize = QString::number(sizes.first());
}

// Before the splitter has a size the designer's sizes stay; the stored width
// is applied once the panes have a width.
bool Form_Return::restoreSplitterSizes(int leftWidth)
{
    const QList<int> sizes = ui->splitter->sizes();
    const int total = sizes.size() < 2 ? 0 : sizes[0] + sizes[1];
    if (total <= 0)
        return true;
    if (leftWidth < 10 || leftWidth > total)
        leftWidth = total <= kLeftPaneWidth ? 1 : kLeftPaneWidth;
    setLeftPaneWidth(leftWidth, total);
    m_splitterRestored = true;
    return true;
}

void Form_Return::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!m_splitterRestored)
        restoreSplitterSizes(leftPaneSetting());
}

void Form_Return::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (!m_splitterRestored && isVisible())
        restoreSplitterSizes(leftPaneSetting());
}

bool Form_Return::toggleMaximizeView()
{
    const QList<int> sizes = ui->splitter->sizes();
    if (sizes.size() < 2)
        return false;
    const int total = sizes[0] + sizes[1];
    if (sizes[0] > 10) {
        setLeftPaneWidth(1, total);
        return false;
    }
    const int left = total <= kLeftPaneWidth ? 30 : kLeftPaneWidth;
    setLeftPaneWidth(left, total);
    return true;
}

// The splitter keeps a pane at its minimum width: a collapsed tree pane lowers
// the frame's minimum to its 1 pixel, an open one has the designer's again.
void Form_Return::setLeftPaneWidth(int left, int total)
{
    ui->frame->setMinimumWidth(left < kFrameMinimumWidth ? left : kFrameMinimumWidth);
    ui->splitter->setSizes({left, total - left});
}
