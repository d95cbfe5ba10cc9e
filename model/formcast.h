#pragma once
#include "ctaxdata_form.h"

// The object of a form as its class, found by its form type: the factory makes
// exactly one class for each form type, so a comparison of the type replaces a
// dynamic_cast (a comparison of type names across libraries) on the hot paths.
// Null when the object is not a form of that type.
template <class F>
F *formAs(CTaxData_Form *object, int formType)
{
    if (!object || object->formType() != formType || object->kind() != CTaxData_Form::KindForm)
        return nullptr;
    Q_ASSERT(dynamic_cast<F *>(object));
    return static_cast<F *>(object);
}

template <class F>
const F *formAs(const CTaxData_Form *object, int formType)
{
    return formAs<F>(const_cast<CTaxData_Form *>(object), formType);
}
