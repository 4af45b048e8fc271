// The object model: run-time class information, dynamic creation and the
// serialization registry. Every class of the framework, the model and the
// toolkit derives from CObject.
#pragma once

#include "framework/core/AfxWin.h"

class CArchive;
class CObject;

// One record per class that declares itself dynamic. Serializable classes are
// linked into one process-wide list, so archives can find them by name.
struct CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                    // 0xFFFF: not serializable
    CObject* (*m_pfnCreateObject)();   // null: not dynamically creatable
    CRuntimeClass* m_pBaseClass;
    CRuntimeClass* m_pNextClass;       // process-wide list

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Looks a class up by its exact name in the process-wide list.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);

    // Class tags inside an archive: name length and name.
    void Store(CArchive& ar) const;
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Adds a class to the process-wide list at static-initialisation time.
struct AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

class CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;
    virtual void Serialize(CArchive& ar);

    static CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                  \
public:                                              \
    static CRuntimeClass class##class_name;          \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                \
    DECLARE_DYNAMIC(class_name)                      \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name)                   \
    DECLARE_DYNCREATE(class_name)                    \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass class_name::class##class_name = {                          \
        #class_name, sizeof(class_name), wSchema, pfnNew,                    \
        RUNTIME_CLASS(base_class_name), nullptr };                           \
    CRuntimeClass* class_name::GetRuntimeClass() const                       \
    { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                  \
    CObject* class_name::CreateObject() { return new class_name; }        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF,           \
                           class_name::CreateObject)                      \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)            \
    CObject* class_name::CreateObject() { return new class_name; }        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema,          \
                           class_name::CreateObject)                      \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name)); \
    CArchive& operator>>(CArchive& ar, class_name*& pOb)                  \
    {                                                                     \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name))); \
        return ar;                                                        \
    }
