// A bar's stored properties and its controls' collection through the
// archive and the registry exchange: every key comes back, loaded bars join
// the command bars the exchange's parameters name, and the parts of older
// or damaged streams are read past or refused as a whole. The keys the
// popup bar and the menu bar add are read back from the registry as stored.
#include "toolkit/commandbars/CommandBar.h"

#include "BarTestSupport.h"
#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MemFile.h"
#include "toolkit/commandbars/CommandBars.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/MenuBar.h"
#include "toolkit/commandbars/PopupBar.h"
#include "toolkit/commandbars/PropExchangeArchive.h"
#include "toolkit/commandbars/PropExchangeRegistry.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <string.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using ExchangeFn = std::function<void(CXTPPropExchange*)>;

struct ReleaseTarget
{
    void operator()(CCmdTarget* p) const { p->InternalRelease(); }
};

CString TestKey()
{
    CString strKey;
    strKey.Format("Software\\QivnotesTests\\Bars-%lu", ::GetCurrentProcessId());
    return strKey;
}

// Stores through an archive, then loads from it; both exchanges carry the
// parameters.
void ThroughArchive(XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams, const ExchangeFn& store,
                    const ExchangeFn& load)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        CXTPPropExchangeArchive px(ar);
        px.SetContext(pParams);
        store(&px);
        ar.Close();
    }
    file.Seek(0, CFile::begin);
    CArchive ar(&file, CArchive::load);
    CXTPPropExchangeArchive px(ar);
    px.SetContext(pParams);
    load(&px);
}

void ThroughRegistry(XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams, const ExchangeFn& store,
                     const ExchangeFn& load)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
    {
        CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, TestKey());
        px.SetContext(pParams);
        store(&px);
    }
    {
        CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, TestKey());
        px.SetContext(pParams);
        load(&px);
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestKey());
}

// Both back ends a bar's keys go through.
const struct
{
    const char* pszName;
    void (*run)(XTP_COMMANDBARS_PROPEXCHANGE_PARAM*, const ExchangeFn&, const ExchangeFn&);
} kBackends[] = {{"archive", ThroughArchive}, {"registry", ThroughRegistry}};

TEST(CommandBarExchange, EveryBarKeyAndTheControlsComeBack)
{
    for (const auto& backend : kBackends)
    {
        SCOPED_TRACE(backend.pszName);
        std::unique_ptr<CXTPCommandBars, ReleaseTarget> pCommandBars(new CXTPCommandBars);
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
        params.pCommandBars = pCommandBars.get();

        CTestBar source(xtpBarTypePopup, xtpBarLeft);
        source.SetCommandBars(pCommandBars.get());
        source.SetBarID(0x1000002);
        source.SetFlags(xtpFlagFloating | xtpFlagStretched);
        source.SetBarStyle(xtpBarStyleGripper);
        source.SetTitle("Format\xFC" "bertragung");
        source.SetMRUWidth(321);
        source.SetIconSize(CSize(24, 24));
        source.SetButtonSize(CSize(30, 28));
        source.SetShowTextBelowIcons(1);
        source.EnableAnimation(TRUE);
        source.GetControls()->Add(xtpControlButton, 100);
        source.GetControls()->Add(xtpControlButton, 101)->SetBeginGroup(TRUE);

        CTestBar target;
        backend.run(&params, [&](CXTPPropExchange* px) { source.DoPropExchange(px); },
                    [&](CXTPPropExchange* px) { target.DoPropExchange(px); });

        EXPECT_EQ(xtpBarTypePopup, target.GetType());
        EXPECT_EQ(xtpBarLeft, target.GetPosition());
        EXPECT_EQ(0x1000002u, target.GetBarID());
        EXPECT_EQ(xtpFlagFloating | xtpFlagStretched, target.GetFlags());
        EXPECT_EQ(xtpBarStyleGripper, target.GetBarStyle());
        EXPECT_STREQ("Format\xFC" "bertragung", target.GetTitle());
        EXPECT_EQ(321, target.GetMRUWidth());
        EXPECT_EQ(CSize(24, 24), target.GetIconSize());
        EXPECT_EQ(CSize(30, 28), target.GetButtonSize());
        EXPECT_TRUE(target.GetShowTextBelowIcons());
        EXPECT_TRUE(target.IsAnimationEnabled());
        EXPECT_EQ(pCommandBars.get(), target.GetCommandBars());
        ASSERT_EQ(2, target.GetControlCount());
        EXPECT_EQ(101, target.GetControl(1)->GetID());
        EXPECT_TRUE(target.GetControl(1)->GetBeginGroup());
        EXPECT_EQ(&target, target.GetControl(1)->GetParent());
    }
}

// An archive of an older version holds a further set of controls after the
// flag "CustomizedControls"; it is read past and dropped.
TEST(CommandBarExchange, AnOlderStreamsExtraControlsAreReadPast)
{
    CTestBar extra;
    extra.GetControls()->Add(xtpControlButton, 7);
    extra.GetControls()->Add(xtpControlButton, 8);

    CTestBar target;
    target.GetControls()->Add(xtpControlButton, 99);
    int nAfter = 0;
    ThroughArchive(
        nullptr,
        [&](CXTPPropExchange* px) {
            CXTPPropExchangeEnumerator controls(px, "Control");
            controls.StartEnumeration(0);
            BOOL bOriginal = FALSE, bCustomized = TRUE;
            ExchangeBoolProperty(px, "OriginalControls", bOriginal, FALSE);
            ExchangeBoolProperty(px, "CustomizedControls", bCustomized, FALSE);
            CXTPPropExchange* pSection = px->GetSection("CustomizedControls");
            extra.GetControls()->DoPropExchange(pSection);
            pSection->InternalRelease();
            int nMarker = 4711;
            ExchangeIntProperty(px, "After", nMarker, 0);
        },
        [&](CXTPPropExchange* px) {
            target.GetControls()->DoPropExchange(px);
            ExchangeIntProperty(px, "After", nAfter, 0);
        });
    EXPECT_EQ(0, target.GetControlCount());
    EXPECT_EQ(4711, nAfter);
}

TEST(CommandBarExchange, OriginalControlsGoAlongUnlessTheParametersSayNot)
{
    for (BOOL bSave : {TRUE, FALSE})
    {
        XTP_COMMANDBARS_PROPEXCHANGE_PARAM params;
        params.bSaveOriginalControls = bSave;
        CTestBar source;
        source.GetControls()->Add(xtpControlButton, 1);
        source.GetControls()->CreateOriginalControls();
        source.GetControls()->Add(xtpControlButton, 2);
        CTestBar target;
        ThroughArchive(&params, [&](CXTPPropExchange* px) { source.DoPropExchange(px); },
                       [&](CXTPPropExchange* px) { target.DoPropExchange(px); });
        EXPECT_EQ(2, target.GetControlCount());
        CXTPControls* pOriginal = target.GetControls()->GetOriginalControls();
        if (bSave)
        {
            ASSERT_NE(nullptr, pOriginal);
            EXPECT_EQ(1, pOriginal->GetCount());
            EXPECT_TRUE(target.GetControls()->IsChanged());
        }
        else
        {
            EXPECT_EQ(nullptr, pOriginal);
        }
    }
}

// A control section whose class is not a control leaves the rest of the
// stream unplaceable: the archive's bad-class error ends the read.
TEST(CommandBarExchange, AStoredClassThatIsNoControlEndsTheRead)
{
    CTestBar target;
    BOOL bBadClass = FALSE;
    ThroughArchive(
        nullptr,
        [&](CXTPPropExchange* px) {
            CXTPPropExchangeEnumerator controls(px, "Control");
            POSITION pos = controls.StartEnumeration(1);
            CXTPPropExchange* pSection = controls.NextSection(pos);
            std::unique_ptr<CXTPCommandBars, ReleaseTarget> pNotAControl(new CXTPCommandBars);
            CObject* pObject = pNotAControl.get();
            ExchangeRuntimeClass(pSection, pObject, RUNTIME_CLASS(CObject));
            pSection->InternalRelease();
        },
        [&](CXTPPropExchange* px) {
            try
            {
                target.GetControls()->DoPropExchange(px);
            }
            catch (CArchiveException* e)
            {
                bBadClass = e->m_cause == CArchiveException::badClass;
                e->Delete();
            }
        });
    EXPECT_TRUE(bBadClass);
    EXPECT_EQ(0, target.GetControlCount());
}

// ---- the keys the popup bar and the menu bar add ---------------------------------------

// A registry value as stored: its type and its bytes, or ERROR_FILE_NOT_FOUND.
struct RegValue
{
    LONG nResult = ERROR_FILE_NOT_FOUND;
    DWORD dwType = REG_NONE;
    std::string bytes;
};

RegValue QueryValue(LPCSTR lpszSubKey, LPCSTR lpszName)
{
    RegValue value;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, lpszSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return value;
    char buffer[256] = {};
    DWORD nSize = sizeof(buffer);
    value.nResult = ::RegQueryValueExA(hKey, lpszName, nullptr, &value.dwType,
                                       reinterpret_cast<BYTE*>(buffer), &nSize);
    if (value.nResult == ERROR_SUCCESS)
        value.bytes.assign(buffer, nSize);
    ::RegCloseKey(hKey);
    return value;
}

std::string DwordBytes(DWORD dwValue)
{
    return std::string(reinterpret_cast<const char*>(&dwValue), 4);
}

std::string TextBytes(const char* pszText)
{
    return std::string(pszText, strlen(pszText) + 1);
}

// Stores through the registry exchange at the key with the schema.
void StoreToRegistry(LPCSTR lpszKey, UINT nSchema, const ExchangeFn& store)
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, lpszKey);
    CXTPPropExchangeRegistry px(FALSE, HKEY_CURRENT_USER, lpszKey);
    px.SetSchema(nSchema);
    store(&px);
}

void LoadFromRegistry(LPCSTR lpszKey, UINT nSchema, const ExchangeFn& load)
{
    CXTPPropExchangeRegistry px(TRUE, HKEY_CURRENT_USER, lpszKey);
    px.SetSchema(nSchema);
    load(&px);
}

struct StoredKey
{
    const char* pszName;
    DWORD dwType;
    std::string bytes;
    UINT nAboveSchema;   // stored only with a schema above this
};

// The tear-off state, borders, shadow and double gripper of a popup bar,
// after the bar's keys and its controls.
TEST(CommandBarExchange, PopupBarKeysAsTheRegistryHoldsThem)
{
    const CString strKey = TestKey();
    CRefPtr<CXTPPopupBar> pSource(CXTPPopupBar::CreatePopupBar(nullptr));
    pSource->SetTearOffPopup("Tabelle", 0x1234, 300);
    pSource->EnableShadow(FALSE);
    pSource->SetPopupToolBarMargins(CRect(1, 2, 3, 4));
    pSource->SetDoubleGripper(TRUE);
    pSource->GetControls()->Add(xtpControlButton, 100);
    const StoredKey kKeys[] = {
        {"TearOffPopup", REG_DWORD, DwordBytes(1), 0},
        {"TearOffCaption", REG_SZ, TextBytes("Tabelle"), 0},
        {"TearOffId", REG_DWORD, DwordBytes(0x1234), 0},
        {"TearOffWidth", REG_DWORD, DwordBytes(300), 0},
        {"Borders", REG_SZ, TextBytes("1, 2, 3, 4"), 3},
        {"ShowShadow", REG_DWORD, DwordBytes(0), 3},
        {"DoubleGripper", REG_DWORD, DwordBytes(1), 8},
    };
    for (UINT nSchema : {3u, 4u, 8u, 9u, 18u})
    {
        SCOPED_TRACE(nSchema);
        StoreToRegistry(strKey, nSchema, [&](CXTPPropExchange* px) { pSource->DoPropExchange(px); });
        for (const StoredKey& k : kKeys)
        {
            const RegValue value = QueryValue(strKey, k.pszName);
            if (nSchema <= k.nAboveSchema)
            {
                EXPECT_EQ(ERROR_FILE_NOT_FOUND, value.nResult) << k.pszName;
                continue;
            }
            EXPECT_EQ(ERROR_SUCCESS, value.nResult) << k.pszName;
            EXPECT_EQ(k.dwType, value.dwType) << k.pszName;
            EXPECT_EQ(k.bytes, value.bytes) << k.pszName;
        }
        // The controls lie in their section beside the keys.
        EXPECT_EQ(ERROR_SUCCESS, QueryValue(strKey + "\\Controls", "Count").nResult);
    }

    // What is read back stores the same values again; a bar at the defaults
    // stores none of them.
    CRefPtr<CXTPPopupBar> pLoaded(CXTPPopupBar::CreatePopupBar(nullptr));
    LoadFromRegistry(strKey, 18, [&](CXTPPropExchange* px) { pLoaded->DoPropExchange(px); });
    EXPECT_EQ(1, pLoaded->GetControlCount());
    const CString strAgain = strKey + "-2";
    StoreToRegistry(strAgain, 18, [&](CXTPPropExchange* px) { pLoaded->DoPropExchange(px); });
    for (const StoredKey& k : kKeys)
        EXPECT_EQ(k.bytes, QueryValue(strAgain, k.pszName).bytes) << k.pszName;
    CRefPtr<CXTPPopupBar> pDefaults(CXTPPopupBar::CreatePopupBar(nullptr));
    StoreToRegistry(strAgain, 18, [&](CXTPPropExchange* px) { pDefaults->DoPropExchange(px); });
    for (const StoredKey& k : kKeys)
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, QueryValue(strAgain, k.pszName).nResult) << k.pszName;
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strAgain);
}

// A menu bar whose kept menus the test sets as the bar would have them.
class CKeptMenusBar : public CXTPMenuBar
{
public:
    void SetMenuId(UINT nId)
    {
        m_nIDMenuCurrent = nId;
        m_nCurrentKey = nId;
    }
    void Keep(UINT_PTR nKey, std::initializer_list<int> ids)
    {
        CXTPControls* pControls = new CXTPControls;
        for (int nId : ids)
            pControls->Add(xtpControlButton, nId);
        m_mapControls.SetAt(nKey, pControls);
    }
    // The ids of the controls kept for the menu; empty for none.
    std::vector<int> Kept(UINT_PTR nKey) const
    {
        std::vector<int> ids;
        CXTPControls* pControls = nullptr;
        if (m_mapControls.Lookup(nKey, pControls))
            for (int i = 0; i < pControls->GetCount(); ++i)
                ids.push_back(pControls->GetAt(i)->GetID());
        return ids;
    }
};

// The menu resource id and the controls of the menus kept beside the
// default one, by menu id; menus known only by their handle stay behind.
TEST(CommandBarExchange, MenuBarKeepsItsResourceIdAndItsKeptMenus)
{
    const CString strKey = TestKey();
    CRefPtr<CKeptMenusBar> pSource(new CKeptMenusBar);
    pSource->SetMenuId(20312);
    pSource->Keep(7, {100, 101});
    pSource->Keep(9, {102});
    pSource->Keep(0x4711 | kMenuHandleTag, {103});
    StoreToRegistry(strKey, 18, [&](CXTPPropExchange* px) { pSource->DoPropExchange(px); });

    EXPECT_EQ(DwordBytes(20312), QueryValue(strKey, "ResourceId").bytes);
    EXPECT_EQ(DwordBytes(2), QueryValue(strKey, "Count").bytes);
    std::vector<std::string> ids;
    for (const char* pszSection : {"\\MDIMenu0", "\\MDIMenu1"})
    {
        const RegValue id = QueryValue(strKey + pszSection, "Id");
        EXPECT_EQ(DWORD(REG_DWORD), id.dwType) << pszSection;
        ids.push_back(id.bytes);
    }
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ((std::vector<std::string>{DwordBytes(7), DwordBytes(9)}), ids);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, QueryValue(strKey + "\\MDIMenu2", "Id").nResult);

    for (const auto& backend : kBackends)
    {
        SCOPED_TRACE(backend.pszName);
        CRefPtr<CKeptMenusBar> pLoaded(new CKeptMenusBar);
        backend.run(nullptr, [&](CXTPPropExchange* px) { pSource->DoPropExchange(px); },
                    [&](CXTPPropExchange* px) { pLoaded->DoPropExchange(px); });
        EXPECT_EQ(20312u, pLoaded->GetCurrentMenuId());
        EXPECT_EQ(2, pLoaded->GetParkedMenuCount());
        EXPECT_EQ((std::vector<int>{100, 101}), pLoaded->Kept(7));
        EXPECT_EQ((std::vector<int>{102}), pLoaded->Kept(9));
    }

    // Streams before schema 5 held no kept menus; a stored count beyond the
    // sections stops at the first one missing.
    const struct
    {
        const char* pszName;
        UINT nSchema;
        DWORD dwCount;
        INT_PTR nKept;
    } kLoads[] = {
        {"schema 4", 4, 2, 0},
        {"schema 5", 5, 2, 2},
        {"count beyond the sections", 18, 100000, 2},
    };
    for (const auto& c : kLoads)
    {
        SCOPED_TRACE(c.pszName);
        StoreToRegistry(strKey, 18, [&](CXTPPropExchange* px) { pSource->DoPropExchange(px); });
        HKEY hKey = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_SET_VALUE, &hKey));
        ::RegSetValueExA(hKey, "Count", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&c.dwCount), 4);
        ::RegCloseKey(hKey);
        CRefPtr<CKeptMenusBar> pLoaded(new CKeptMenusBar);
        LoadFromRegistry(strKey, c.nSchema, [&](CXTPPropExchange* px) { pLoaded->DoPropExchange(px); });
        EXPECT_EQ(c.nKept, pLoaded->GetParkedMenuCount());
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, strKey);
}

} // namespace
