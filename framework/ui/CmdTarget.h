// CCmdTarget: the base of everything that receives commands (windows,
// documents, the application). It owns the message map walk behind command
// routing, a COM-style reference count, and the small interface table that
// lets an object answer QueryInterface through nested COM objects.
#pragma once

#include "framework/core/Object.h"
#include "framework/ui/MessageMap.h"

#include <unknwn.h>

// One interface an object answers QueryInterface for: the IID and the
// offset of the nested COM object inside the owner. End a table with a null
// IID. A nested object forwards AddRef/Release/QueryInterface to
// its owner's External... members.
struct AFX_INTERFACEMAP_ENTRY
{
    const IID* piid;
    size_t nOffset;
};

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Routes a command, update or notification to this object's map (and the
    // maps of its base classes). nCode: CN_COMMAND, CN_UPDATE_COMMAND_UI or
    // MAKELONG(notification code, message). A non-null pHandlerInfo only
    // asks: it is filled and TRUE returned, nothing is called.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // Reference counting for objects shared between owners: the count
    // starts at 1; OnFinalRelease runs when it drops to 0.
    DWORD InternalAddRef();
    DWORD InternalRelease();
    virtual void OnFinalRelease();

    // COM face: the IUnknown of nested interface objects forwards here.
    DWORD ExternalAddRef();
    DWORD ExternalRelease();
    HRESULT ExternalQueryInterface(const void* iid, LPVOID* ppvObj);
    // The interface pointer of iid; IUnknown is the first interface of the
    // table. Null when the object does not answer it. Does not add a
    // reference.
    LPUNKNOWN GetInterface(const void* iid);
    // A last chance to answer an interface not in the table.
    virtual LPUNKNOWN GetInterfaceHook(const void* iid);

    // The hourglass while a long operation runs; nests.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    long m_dwRef = 1;

protected:
    // The interface table of this class (null: none); override with a
    // static table of the class (AFX_INTERFACEMAP_ENTRY).
    virtual const AFX_INTERFACEMAP_ENTRY* GetInterfaceEntries() const;

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // The entry of the map chain that handles (nMessage, nCode, nID), null
    // when none does.
    static const AFX_MSGMAP_ENTRY* FindCommandEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                    UINT nCode, UINT nID);
    // The entry of the map chain for a window message, null when none.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage);

    friend class CWnd;
};

// Shows the wait cursor for its lifetime.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    void Restore();

    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// The offset of a data member inside T, from a member pointer (offsetof is
// not defined for classes that are not standard-layout, as command targets
// with nested COM objects are). Only an address is formed, nothing is read.
template <class T, class M>
size_t AfxMemberOffset(M T::*pMember)
{
    alignas(T) static unsigned char s_probe[sizeof(T)];
    T* pProbe = reinterpret_cast<T*>(s_probe);
    return static_cast<size_t>(reinterpret_cast<unsigned char*>(&(pProbe->*pMember)) - s_probe);
}

// An interface-table entry for the nested object m_x<localClass>.
#define INTERFACE_PART(theClass, iid, localClass) \
    { &iid, AfxMemberOffset(&theClass::m_x##localClass) }

// Reaches the owner from a nested interface object declared as member
// m_x<localClass> of theClass: pThis.
#define METHOD_PROLOGUE(theClass, localClass)                                 \
    theClass* pThis = reinterpret_cast<theClass*>(                            \
        reinterpret_cast<BYTE*>(this) - AfxMemberOffset(&theClass::m_x##localClass)); \
    (void)pThis;
