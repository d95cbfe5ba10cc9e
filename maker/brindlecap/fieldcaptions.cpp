#include "fieldcaptions.h"
#include "formtables.h"
#include <QLocale>
#include <algorithm>

extern const FormCaptions kT1Captions;
extern const FormCaptions kSlipCaptions[];
extern const int kSlipCaptionCount;
extern const FormCaptions kFormCaptions[];
extern const int kFormCaptionCount;
extern const RowListCaptions kRowListCaptions[];
extern const int kRowListCaptionCount;
extern const RowListCaptions kT1RowLists[];
extern const int kT1RowListCount;
extern const FormCaptions kWizardCaptions[];
extern const int kWizardCaptionCount;
extern const RowListCaptions kWizardRowLists[];
extern const int kWizardRowListCount;
const FormCaptions *provincialTaxCaptions(int type);

const FormCaptions *findFormCaptions(int kind, int type)
{
    if (kind == kT1Captions.kind && type == kT1Captions.type)
        return &kT1Captions;
    for (int i = 0; i < kSlipCaptionCount; ++i)
        if (kSlipCaptions[i].kind == kind && kSlipCaptions[i].type == type)
            return &kSlipCaptions[i];
    for (int i = 0; i < kFormCaptionCount; ++i)
        if (kFormCaptions[i].kind == kind && kFormCaptions[i].type == type)
            return &kFormCaptions[i];
    for (int i = 0; i < kWizardCaptionCount; ++i)
        if (kWizardCaptions[i].kind == kind && kWizardCaptions[i].type == type)
            return &kWizardCaptions[i];
    return kind == 0 ? provincialTaxCaptions(type) : nullptr;
}

QList<const RowListCaptions *> findRowListCaptions(int kind, int type)
{
    QList<const RowListCaptions *> lists;
    for (int i = 0; i < kT1RowListCount; ++i)
        if (kT1RowLists[i].kind == kind && kT1RowLists[i].type == type)
            lists.append(&kT1RowLists[i]);
    for (int i = 0; i < kRowListCaptionCount; ++i)
        if (kRowListCaptions[i].kind == kind && kRowListCaptions[i].type == type)
            lists.append(&kRowListCaptions[i]);
    for (int i = 0; i < kWizardRowListCount; ++i)
        if (kWizardRowLists[i].kind == kind && kWizardRowLists[i].type == type)
            lists.append(&kWizardRowLists[i]);
    std::sort(lists.begin(), lists.end(),
              [](const RowListCaptions *a, const RowListCaptions *b) { return a->list < b->list; });
    return lists;
}

QList<QPair<int, QString>> choiceList(const QString &name)
{
    QList<QPair<int, QString>> list;
    if (name == QLatin1String("province")) {
        list.append({0, QString()});
        for (int p = 1; p < kProvinceCount; ++p)
            list.append({p, provinceName(p)});
    } else if (name == QLatin1String("marital")) {
        // the codes of the new-return wizard's choices
        list = {{0, QStringLiteral("Married")},
                {1, QStringLiteral("Living common-law")},
                {2, QStringLiteral("Widowed")},
                {3, QStringLiteral("Divorced")},
                {4, QStringLiteral("Separated")},
                {5, QStringLiteral("Single")}};
    } else if (name == QLatin1String("relation")) {
        // a dependant's relationship to the family: 0 an empty slot
        list = {{0, QString()}, {1, QStringLiteral("Child")}, {2, QStringLiteral("Other dependant")}};
    } else if (name == QLatin1String("language")) {
        list = {{0, QStringLiteral("English")}, {1, QStringLiteral("French")}};
    } else if (name == QLatin1String("yesno")) {
        // the filing answers: -1 not answered, 0 yes, 1 no
        list = {{-1, QString()}, {0, QStringLiteral("Yes")}, {1, QStringLiteral("No")}};
    } else if (name == QLatin1String("cppelection")) {
        // the election part of Schedule 8: 0 none, 1 stop contributing, 3 revoke
        list = {{-1, QString()},
                {0, QStringLiteral("No election")},
                {1, QStringLiteral("Elect to stop contributing")},
                {3, QStringLiteral("Revoke a prior election")}};
    } else if (name == QLatin1String("month")) {
        // a month of the year; 0 none
        list.append({0, QString()});
        for (int m = 1; m <= 12; ++m)
            list.append({m, QLocale(QLocale::English).standaloneMonthName(m)});
    } else if (name == QLatin1String("refundornil")) {
        // the summary's result: 0 an amount owing, 1 a refund or nothing owing
        list = {{0, QStringLiteral("Balance owing")}, {1, QStringLiteral("Refund or nothing owing")}};
    } else if (name == QLatin1String("t1135filer")) {
        // the filers of the T1135, in the form's order; only an individual's is filed from a return
        list = {{0, QStringLiteral("Individual")},
                {1, QStringLiteral("Corporation")},
                {2, QStringLiteral("Trust")},
                {3, QStringLiteral("Partnership")}};
    } else if (name == QLatin1String("foreignmethod")) {
        // the T1135 reporting method
        list = {{0, QStringLiteral("Simplified reporting method")}, {1, QStringLiteral("Detailed reporting method")}};
    } else if (name == QLatin1String("foreigncategory")) {
        // the T1135 categories of specified foreign property, in the form's order
        list = {{0, QString()},
                {1, QStringLiteral("Funds held outside Canada")},
                {2, QStringLiteral("Shares of non-resident corporations")},
                {3, QStringLiteral("Indebtedness owed by non-residents")},
                {4, QStringLiteral("Interests in non-resident trusts")},
                {5, QStringLiteral("Real property outside Canada")},
                {6, QStringLiteral("Other property outside Canada")},
                {7, QStringLiteral("Property held with a Canadian registered securities dealer")}};
    } else if (name == QLatin1String("capitalproperty")) {
        // the kind of a Schedule 3 disposition: the schedule's numbered sections
        list = {{0, QString()},
                {1, QStringLiteral("Qualified small business corporation shares")},
                {2, QStringLiteral("Qualified farm or fishing property")},
                {3, QStringLiteral("Publicly traded shares, mutual fund units and other shares")},
                {4, QStringLiteral("Real estate, depreciable property and other properties")},
                {5, QStringLiteral("Bonds, debentures, promissory notes and similar properties")},
                {6, QStringLiteral("Other mortgage foreclosures and conditional sales repossessions")},
                {7, QStringLiteral("Personal-use property")},
                {8, QStringLiteral("Listed personal property")}};
    } else if (name == QLatin1String("businesskind")) {
        // the kind of income of a T2125
        list = {{0, QStringLiteral("Business")},
                {1, QStringLiteral("Professional")},
                {2, QStringLiteral("Commission")},
                {3, QStringLiteral("Farming")},
                {4, QStringLiteral("Fishing")}};
    } else if (name == QLatin1String("t1013level")) {
        // the T1013's levels of authorization
        list = {{1, QStringLiteral("Level 1: review the client's information")},
                {2, QStringLiteral("Level 2: review the client's information and make changes")}};
    } else if (name == QLatin1String("partnershipkind")) {
        // the kind of a T5013 partnership row
        list = {{0, QStringLiteral("Business")},
                {1, QStringLiteral("Professional")},
                {2, QStringLiteral("Commission")},
                {3, QStringLiteral("Farming")},
                {4, QStringLiteral("Fishing")},
                {5, QStringLiteral("Rental")}};
    }
    return list;
}
