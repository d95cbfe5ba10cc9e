#pragma once
#include "ctaxdata_form.h"

// The object of a form or slip as its class, found by its type: the factory makes
// exactly one class for each form type and each slip type, so a comparison of the
// type replaces a dynamic_cast (a comparison of type names across libraries) on
// the hot paths. Null when the object is not of that kind and type.
template <class F>
F *objectAs(CTaxData_Form *object, int kind, int type)
{
    if (!object || object->formType() != type || object->kind() != kind)
        return nullptr;
    Q_ASSERT(dynamic_cast<F *>(object));
    return static_cast<F *>(object);
}

template <class F>
F *formAs(CTaxData_Form *object, int formType)
{
    return objectAs<F>(object, CTaxData_Form::KindForm, formType);
}

template <class F>
F *slipAs(CTaxData_Form *object, int slipType)
{
    return objectAs<F>(object, CTaxData_Form::KindSlip, slipType);
}

template <class F>
const F *formAs(const CTaxData_Form *object, int formType)
{
    return formAs<F>(const_cast<CTaxData_Form *>(object), formType);
}
