#include "framework/core/Object.h"

#include <string.h>

namespace {

// Head of the process-wide class list. A function-local static, so classes
// registered by other translation units' static initialisers always find it.
CRuntimeClass*& ClassListHead()
{
    static CRuntimeClass* head = nullptr;
    return head;
}

} // namespace

CRuntimeClass CObject::classCObject = {
    "CObject", sizeof(CObject), 0xFFFF, nullptr, nullptr, nullptr };

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    pNewClass->m_pNextClass = ClassListHead();
    ClassListHead() = pNewClass;
}

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass)
        if (p == pBaseClass)
            return TRUE;
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    for (CRuntimeClass* p = ClassListHead(); p; p = p->m_pNextClass)
        if (strcmp(p->m_lpszClassName, lpszClassName) == 0)
            return p;
    return nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::Serialize(CArchive&)
{
}

#ifdef _DEBUG
#include <stdio.h>
#include <stdlib.h>
void AfxAssertFailed(const char* expr, const char* file, int line)
{
    fprintf(stderr, "assertion failed: %s (%s:%d)\n", expr, file, line);
    abort();
}
#endif
