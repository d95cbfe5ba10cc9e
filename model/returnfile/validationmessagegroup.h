#pragma once
#include "cstring.h"
#include <QList>

// One group of validation messages: kind 1 a slip's own, 2 a form's own,
// 4 the cross-form checks of one person, 5 the checks between spouses.
class ValidationMessageGroup
{
public:
    ValidationMessageGroup(int kind = 0, int type = 0) : kind(kind), type(type) {}

    int kind;
    int type;                  // slip type for kind 1, form type for kind 2, else 0
    QList<CString> messages;   // in the order added
};
