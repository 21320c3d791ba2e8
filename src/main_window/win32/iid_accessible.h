// IID_IAccessible, defined here for every program that names it: liboleacc.a
// exports the name as an import thunk, whose bytes are code, not the GUID, so
// a QueryInterface or a marshalling keyed on it would never match.
#pragma once

#include <windows.h>

#include <oleacc.h>

EXTERN_C const IID DECLSPEC_SELECTANY IID_IAccessible = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
