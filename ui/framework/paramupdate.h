#ifndef PARAMUPDATE_H
#define PARAMUPDATE_H

#include "parameters.h"

// Whether an update of the store carries a new value. Reports of the limits or
// of the physical quantity refresh what is shown but must not start anything
// that is meant to follow a change of the value itself.
inline bool isValueUpdate(quint8 kind)
{
    return kind != Parameters::KindMin && kind != Parameters::KindMax && kind != Parameters::KindPhysic;
}

#endif // PARAMUPDATE_H
