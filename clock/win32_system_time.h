#pragma once

#include "clock/system_time.h"

#include <windows.h>

namespace orvelle {

// The clock record and the Win32 record of the same name hold the same eight 16-bit fields in
// the same order; these copy one into the other, field by field, unchanged.
inline ::SYSTEMTIME ToWin32(const SYSTEMTIME& r) {
    return {r.wYear, r.wMonth,  r.wDayOfWeek, r.wDay,
            r.wHour, r.wMinute, r.wSecond,    r.wMilliseconds};
}

inline SYSTEMTIME FromWin32(const ::SYSTEMTIME& r) {
    return {r.wYear, r.wMonth,  r.wDayOfWeek, r.wDay,
            r.wHour, r.wMinute, r.wSecond,    r.wMilliseconds};
}

} // namespace orvelle
