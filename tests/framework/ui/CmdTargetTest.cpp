// Reference counting and the COM face of CCmdTarget: the count starts at 1,
// the last release runs OnFinalRelease (which deletes by default), and a
// nested interface object answers QueryInterface for its owner.
#include "TestApp.h"

#include "framework/ui/CmdTarget.h"

#include <gtest/gtest.h>

namespace {

int g_nDestroyed = 0;

class CCountedTarget : public CCmdTarget
{
public:
    ~CCountedTarget() override { ++g_nDestroyed; }
};

class CKeptTarget : public CCmdTarget
{
public:
    int m_nFinalReleases = 0;
    void OnFinalRelease() override { ++m_nFinalReleases; }
};

const IID IID_ITestCounter = { 0x3c7a9e10, 0x5d2b, 0x4f4a, { 0x9a, 0x11, 0x6e, 0x20, 0x41, 0x53, 0x7a, 0x01 } };

struct ITestCounter : public IUnknown
{
    virtual int STDMETHODCALLTYPE Twice(int n) = 0;
};

class CComTarget : public CCmdTarget
{
public:
    class XCounter : public ITestCounter
    {
    public:
        STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
        {
            METHOD_PROLOGUE(CComTarget, Counter)
            return pThis->ExternalQueryInterface(&riid, ppv);
        }
        STDMETHODIMP_(ULONG) AddRef() override
        {
            METHOD_PROLOGUE(CComTarget, Counter)
            return pThis->ExternalAddRef();
        }
        STDMETHODIMP_(ULONG) Release() override
        {
            METHOD_PROLOGUE(CComTarget, Counter)
            return pThis->ExternalRelease();
        }
        int STDMETHODCALLTYPE Twice(int n) override { return 2 * n; }
    } m_xCounter;

    ~CComTarget() override { ++g_nDestroyed; }

protected:
    const AFX_INTERFACEMAP_ENTRY* GetInterfaceEntries() const override
    {
        static const AFX_INTERFACEMAP_ENTRY s_entries[] = {
            INTERFACE_PART(CComTarget, IID_ITestCounter, Counter),
            { nullptr, 0 },
        };
        return s_entries;
    }
};

TEST(CmdTargetTest, LastReleaseDeletesByDefault)
{
    g_nDestroyed = 0;
    auto* pTarget = new CCountedTarget;
    EXPECT_EQ(1, pTarget->m_dwRef);
    EXPECT_EQ(2u, pTarget->InternalAddRef());
    EXPECT_EQ(1u, pTarget->InternalRelease());
    EXPECT_EQ(0, g_nDestroyed);
    EXPECT_EQ(0u, pTarget->InternalRelease());
    EXPECT_EQ(1, g_nDestroyed);
}

TEST(CmdTargetTest, OverriddenFinalReleaseDecidesItself)
{
    CKeptTarget target;
    target.InternalAddRef();
    target.InternalRelease();
    EXPECT_EQ(0, target.m_nFinalReleases);
    target.InternalRelease();
    EXPECT_EQ(1, target.m_nFinalReleases);
}

TEST(CmdTargetTest, NestedInterfaceAnswersForItsOwner)
{
    g_nDestroyed = 0;
    auto* pTarget = new CComTarget;

    void* pv = nullptr;
    ASSERT_EQ(S_OK, pTarget->ExternalQueryInterface(&IID_ITestCounter, &pv));
    auto* pCounter = static_cast<ITestCounter*>(pv);
    EXPECT_EQ(&pTarget->m_xCounter, pCounter);
    EXPECT_EQ(14, pCounter->Twice(7));
    EXPECT_EQ(2, pTarget->m_dwRef);

    // IUnknown is the first interface of the table; unknown ones fail.
    IUnknown* pUnk = nullptr;
    ASSERT_EQ(S_OK, pCounter->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&pUnk)));
    EXPECT_EQ(static_cast<IUnknown*>(pCounter), pUnk);
    void* pNone = &pv;
    EXPECT_EQ(E_NOINTERFACE, pCounter->QueryInterface(IID_IDispatch, &pNone));
    EXPECT_EQ(nullptr, pNone);

    pUnk->Release();
    pCounter->Release();
    EXPECT_EQ(0, g_nDestroyed);
    pTarget->InternalRelease();
    EXPECT_EQ(1, g_nDestroyed);
}

TEST(CmdTargetTest, WaitCursorsNestAndRestoreTheFirstCursor)
{
    HCURSOR hArrow = ::LoadCursor(nullptr, IDC_ARROW);
    HCURSOR hWait = ::LoadCursor(nullptr, IDC_WAIT);
    ::SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(hWait, ::GetCursor());
        {
            CWaitCursor inner;
            ::SetCursor(hArrow);
            inner.Restore();
            EXPECT_EQ(hWait, ::GetCursor());
        }
        EXPECT_EQ(hWait, ::GetCursor());
    }
    EXPECT_EQ(hArrow, ::GetCursor());
}

} // namespace
