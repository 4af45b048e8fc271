// CXTPPropExchange: named, typed persistence in both directions. An object
// writes one routine that exchanges each of its members; the same routine
// stores or loads depending on the exchange's direction. The storage behind
// it is a registry key, a private INI file or a binary archive
// (PropExchangeRegistry.h, PropExchangeIniFile.h, PropExchangeArchive.h).
//
// Exchanges and their sections are reference counted: whoever gets one from
// OpenSection releases it with InternalRelease. Enumerators are deleted by
// their caller.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/Position.h"
#include "framework/core/String.h"
#include "framework/ui/CmdTarget.h"

#include <oleauto.h>

class CArchive;
class CXTPPropExchangeEnumerator;

// Type codes of exchanged values: OLE VARTYPEs plus two of the toolkit's own.
const int XTP_VT_RECT = 100;   // CRect: left, top, right, bottom
const int XTP_VT_SIZE = 101;   // CSize or CPoint: two 32-bit integers

// Byte size of a value of the type; 0 for types without a fixed size.
int PropertyTypeSize(int nType);
// TRUE when both point at equal values of the type (the same pointer
// included); a null one is never equal.
BOOL IsDefaultValue(int nType, const void* pValue, const void* pDefault);
// Copies *pSource into *pDest; FALSE without a source or for unknown types.
BOOL CopyTypedValue(int nType, void* pDest, const void* pSource);

class CXTPPropExchange : public CCmdTarget
{
public:
    CXTPPropExchange();

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsStoring() const { return !m_bLoading; }
    // Keys added in later versions are exchanged only above their schema.
    UINT GetSchema() const { return m_nSchema; }
    void SetSchema(UINT nSchema) { m_nSchema = nSchema; }
    // The caller's parameters; handed on to every section, never read here.
    void* GetContext() const { return m_pContext; }
    void SetContext(void* pContext) { m_pContext = pContext; }
    BOOL IsChild() const { return m_bChild; }
    // With FALSE, the defaults callers pass are ignored in that direction.
    void UseDefaultOnLoad(BOOL bUse) { m_bUseDefaultOnLoad = bUse; }
    void UseDefaultOnSave(BOOL bUse) { m_bUseDefaultOnSave = bUse; }

    // One value of the type under the name; pDefault may be null.
    virtual BOOL ExchangeValue(LPCSTR pszName, int nType, void* pValue, const void* pDefault) = 0;
    // A block of bytes. Loading into a null pData allocates it (malloc; the
    // caller frees it) and sets nBytes; a smaller caller's block fails.
    virtual BOOL ExchangeBytes(LPCSTR pszName, BYTE*& pData, DWORD& nBytes);
    virtual BOOL ExchangeClassByName(LPCSTR pszName, CRuntimeClass*& pClass,
                                     CRuntimeClass* pDefaultClass);
    // The object's class as "Class"; loading makes an object of the stored
    // class and keeps it only when it derives from pRequiredBase.
    virtual BOOL ExchangeObjectClass(CObject*& pObject, CRuntimeClass* pRequiredBase);
    // An archive for one value's serialized bytes; null when there is none.
    virtual CArchive* OpenValueArchive(LPCSTR pszName);
    virtual void CloseValueArchive(LPCSTR pszName, CArchive* pArchive);
    // A new section below this one.
    virtual CXTPPropExchange* OpenSection(LPCSTR pszName) = 0;
    // Deletes everything stored in this section.
    virtual void ClearSection();
    virtual void PutCount(DWORD nCount);
    virtual DWORD TakeCount();
    virtual void PutBytes(LPCSTR pszName, const BYTE* pData, DWORD nBytes);
    // Answers the number of bytes read into pData.
    virtual DWORD TakeBytes(LPCSTR pszName, BYTE* pData, DWORD nBytes);
    // TRUE where a value equal to its default need not be stored at all.
    virtual BOOL CanOmitValues();
    // TRUE where byte blocks are stored as they are, not as text.
    virtual BOOL HasNativeBinary();
    virtual BOOL Prepare();
    virtual CXTPPropExchangeEnumerator* CreateEnumerator(LPCSTR pszBaseName);
    virtual void ExchangeSchemaNumber();

    // The names other parts of the toolkit call these operations by.
    CXTPPropExchange* GetSection(LPCSTR pszName) { return OpenSection(pszName); }
    CXTPPropExchangeEnumerator* GetEnumerator(LPCSTR pszName) { return CreateEnumerator(pszName); }
    void EmptySection() { ClearSection(); }
    BOOL IsBinaryCapable() { return HasNativeBinary(); }
    BOOL IsAllowDefaultValues() { return CanOmitValues(); }
    void WriteCount(DWORD nCount) { PutCount(nCount); }
    DWORD ReadCount() { return TakeCount(); }

protected:
    // A section takes over the parent's direction, schema, context, emptied
    // mark and default flags.
    void InitSection(CXTPPropExchange* pParent);
    // The default as it applies in the current direction (null when ignored).
    const void* EffectiveDefault(const void* pDefault) const;

    void* m_pContext;
    BOOL m_bLoading;
    UINT m_nSchema;
    BOOL m_bChild;
    BOOL m_bEmptied;
    BOOL m_bPrepared;
    BOOL m_bUseDefaultOnLoad;
    BOOL m_bUseDefaultOnSave;
};

// Walks the numbered sections base0, base1, ... of an exchange.
class CXTPPropExchangeEnumerator
{
public:
    CXTPPropExchangeEnumerator(CXTPPropExchange* pExchange, LPCSTR pszBaseName);
    virtual ~CXTPPropExchangeEnumerator() = default;

    // Stores the count (loading: reads it), as the value "Count" or, with
    // bNative, in the back end's own form. Null when there is nothing to walk.
    POSITION StartEnumeration(DWORD nCount = 0, BOOL bNative = TRUE);
    // The next section (released by the caller); pos becomes null after the last.
    CXTPPropExchange* NextSection(POSITION& pos);

    POSITION GetPosition(DWORD nCount = 0, BOOL bNative = TRUE)
    {
        return StartEnumeration(nCount, bNative);
    }
    CXTPPropExchange* GetNext(POSITION& pos) { return NextSection(pos); }
    DWORD GetCount() const { return m_nCount; }

private:
    CXTPPropExchangeEnumerator(const CXTPPropExchangeEnumerator&) = delete;
    CXTPPropExchangeEnumerator& operator=(const CXTPPropExchangeEnumerator&) = delete;

    CXTPPropExchange* m_pExchange;
    CString m_strBaseName;
    DWORD m_nCount;
};

// One typed value each; the default is passed by value.
BOOL ExchangeByteProperty(CXTPPropExchange* pPX, LPCSTR pszName, BYTE& nValue, BYTE nDefault);
BOOL ExchangeShortProperty(CXTPPropExchange* pPX, LPCSTR pszName, short& nValue, short nDefault);
BOOL ExchangeIntPropertyNoDefault(CXTPPropExchange* pPX, LPCSTR pszName, int& nValue);
BOOL ExchangeIntProperty(CXTPPropExchange* pPX, LPCSTR pszName, int& nValue, int nDefault);
BOOL ExchangeBoolProperty(CXTPPropExchange* pPX, LPCSTR pszName, BOOL& bValue, BOOL bDefault);
BOOL ExchangeStringPropertyNoDefault(CXTPPropExchange* pPX, LPCSTR pszName, CString& strValue);
BOOL ExchangeStringProperty(CXTPPropExchange* pPX, LPCSTR pszName, CString& strValue,
                            LPCSTR pszDefault);
BOOL ExchangeSizeProperty(CXTPPropExchange* pPX, LPCSTR pszName, CSize& szValue, CSize szDefault);
BOOL ExchangeSizeProperty(CXTPPropExchange* pPX, LPCSTR pszName, CSize& szValue, int cxDefault,
                          int cyDefault);
BOOL ExchangeRectProperty(CXTPPropExchange* pPX, LPCSTR pszName, CRect& rcValue,
                          CRect rcDefault);
BOOL ExchangeClassProperty(CXTPPropExchange* pPX, LPCSTR pszName, CRuntimeClass*& pClass,
                           CRuntimeClass* pDefaultClass);
BOOL ExchangeBlobProperty(CXTPPropExchange* pPX, LPCSTR pszName, BYTE*& pData, DWORD& nBytes);
BOOL ExchangeBlob(CXTPPropExchange* pPX, LPCSTR pszName, BYTE*& pData, DWORD& nBytes);
BOOL ExchangeRuntimeClass(CXTPPropExchange* pPX, CObject*& pObject, CRuntimeClass* pRequiredBase);

// The object's serialized form as one value; archive and OLE errors inside
// give FALSE.
BOOL ExchangeObjectProperty(CXTPPropExchange* pPX, LPCSTR pszName, CObject* pObject);
