// The platform base every framework header stands on: the Win32 headers with
// the settings of this program, and the framework's check macros.
#pragma once

#include <windows.h>
#include <stddef.h>

// Checks that hold in a correct program. They cost nothing in release builds;
// VERIFY still evaluates its expression.
#ifdef _DEBUG
void AfxAssertFailed(const char* expr, const char* file, int line);
#define ASSERT(e) ((e) ? (void)0 : AfxAssertFailed(#e, __FILE__, __LINE__))
#define VERIFY(e) ASSERT(e)
#else
#define ASSERT(e) ((void)0)
#define VERIFY(e) ((void)(e))
#endif
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(cls, p) ASSERT((p)->IsKindOf(RUNTIME_CLASS(cls)))

// Tracing is compiled out: the program keeps no log.
inline void AfxTrace(const char*, ...) {}
#define TRACE AfxTrace

#define AFX_INLINE inline
#define AFX_CDECL __cdecl
#define AFXAPI __stdcall
