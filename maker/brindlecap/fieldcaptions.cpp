#include "fieldcaptions.h"
#include "formtables.h"

extern const FormCaptions kT1Captions;
extern const FormCaptions kSlipCaptions[];
extern const int kSlipCaptionCount;
extern const FormCaptions kFormCaptions[];
extern const int kFormCaptionCount;

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
    return nullptr;
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
    } else if (name == QLatin1String("foreignmethod")) {
        // the T1135 reporting method
        list = {{0, QStringLiteral("Simplified reporting method")}, {1, QStringLiteral("Detailed reporting method")}};
    }
    return list;
}
