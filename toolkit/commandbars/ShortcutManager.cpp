#include "toolkit/commandbars/ShortcutManager.h"

#include "framework/core/Module.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/FrameWnd.h"
#include "framework/ui/WinApp.h"
#include "toolkit/commandbars/PropExchange.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CXTPShortcutManager, CCmdTarget)

namespace {

const int kAccelRecordSize = 6;
static_assert(sizeof(ACCEL) == kAccelRecordSize, "an accelerator record is 6 bytes");
// More records than any keyboard has shortcuts: a longer stored table is
// damaged, and only its first records are taken.
const size_t kMaxAccelerators = 16384;
// The flag bits an accelerator may carry (FVIRTKEY, FNOINVERT, FSHIFT,
// FCONTROL, FALT).
const BYTE kAccelFlagMask = FVIRTKEY | FNOINVERT | FSHIFT | FCONTROL | FALT;

const char kAcceleratorsEntry[] = "Accelerators";

HACCEL CreateTable(const std::vector<ACCEL>& accels)
{
    if (accels.empty())
        return nullptr;
    return ::CreateAcceleratorTableA(const_cast<ACCEL*>(accels.data()),
                                     static_cast<int>(accels.size()));
}

// One stored record, as written: flags, pad, key and command, little-endian.
ACCEL ReadRecord(const BYTE* p)
{
    ACCEL accel = {};
    accel.fVirt = static_cast<BYTE>(p[0] & kAccelFlagMask);
    accel.key = static_cast<WORD>(p[2] | (p[3] << 8));
    accel.cmd = static_cast<WORD>(p[4] | (p[5] << 8));
    return accel;
}

void WriteRecord(BYTE* p, const ACCEL& accel)
{
    p[0] = accel.fVirt;
    p[1] = 0;
    p[2] = LOBYTE(accel.key);
    p[3] = HIBYTE(accel.key);
    p[4] = LOBYTE(accel.cmd);
    p[5] = HIBYTE(accel.cmd);
}

std::vector<BYTE> RecordBytes(const std::vector<ACCEL>& accels)
{
    std::vector<BYTE> data(accels.size() * kAccelRecordSize);
    for (size_t i = 0; i < accels.size(); ++i)
        WriteRecord(&data[i * kAccelRecordSize], accels[i]);
    return data;
}

} // namespace

CXTPShortcutManager::CXTPShortcutManager(CXTPCommandBars* pCommandBars)
    : m_bAllowEscapeShortcut(FALSE)
    , m_bUseSystemKeyNameText(FALSE)
    , m_nSuspendCount(0)
    , m_pCommandBars(pCommandBars)
    , m_hAccelTable(nullptr)
    , m_hOriginalAccelTable(nullptr)
    , m_pSite(nullptr)
{
    InitKeyNames();
}

CXTPShortcutManager::~CXTPShortcutManager()
{
    DestroyTables();
}

void CXTPShortcutManager::DestroyTables()
{
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
    if (m_hOriginalAccelTable)
        ::DestroyAcceleratorTable(m_hOriginalAccelTable);
    m_hAccelTable = nullptr;
    m_hOriginalAccelTable = nullptr;
}

std::vector<ACCEL> CXTPShortcutManager::CopyAccelerators(HACCEL hAccel)
{
    std::vector<ACCEL> accels;
    if (!hAccel)
        return accels;
    int nCount = ::CopyAcceleratorTableA(hAccel, nullptr, 0);
    if (nCount <= 0)
        return accels;
    accels.resize(static_cast<size_t>(nCount));
    nCount = ::CopyAcceleratorTableA(hAccel, accels.data(), nCount);
    accels.resize(static_cast<size_t>(nCount > 0 ? nCount : 0));
    // The system hands the pad byte back as it found it, and a table loaded
    // from a resource may mark its last record in the flags.
    for (ACCEL& accel : accels)
    {
        reinterpret_cast<BYTE*>(&accel)[1] = 0;
        accel.fVirt &= kAccelFlagMask;
    }
    return accels;
}

BOOL CXTPShortcutManager::LoadAcceleratorResource(UINT nIDResource)
{
    DestroyTables();
    HINSTANCE hInstance = AfxGetResourceHandle();
    if (!hInstance)
        return FALSE;
    // A loaded table belongs to the module; the two kept here are copies.
    HACCEL hResource = ::LoadAcceleratorsA(hInstance, MAKEINTRESOURCEA(nIDResource));
    if (!hResource)
        return FALSE;
    const std::vector<ACCEL> accels = CopyAccelerators(hResource);
    m_hOriginalAccelTable = CreateTable(accels);
    m_hAccelTable = CreateTable(accels);
    return m_hOriginalAccelTable != nullptr;
}

void CXTPShortcutManager::SetAccelTable(const ACCEL* pAccels, int nCount)
{
    HACCEL hNew = (pAccels && nCount > 0)
        ? ::CreateAcceleratorTableA(const_cast<ACCEL*>(pAccels), nCount)
        : nullptr;
    if (m_hAccelTable)
        ::DestroyAcceleratorTable(m_hAccelTable);
    m_hAccelTable = hNew;
}

void CXTPShortcutManager::SetAccelTableFromBytes(const BYTE* pData, size_t nRecords)
{
    if (nRecords > kMaxAccelerators)
        nRecords = kMaxAccelerators;
    std::vector<ACCEL> accels(nRecords);
    for (size_t i = 0; i < nRecords; ++i)
        accels[i] = ReadRecord(pData + i * kAccelRecordSize);
    SetAccelTable(accels.data(), static_cast<int>(accels.size()));
}

HACCEL CXTPShortcutManager::GetAccelTable() const
{
    return m_hAccelTable;
}

HACCEL CXTPShortcutManager::Reset()
{
    const std::vector<ACCEL> accels = CopyAccelerators(m_hOriginalAccelTable);
    SetAccelTable(accels.data(), static_cast<int>(accels.size()));
    return m_hAccelTable;
}

BOOL CXTPShortcutManager::TranslateAccelerator(HWND hWnd, LPMSG lpMsg)
{
    HACCEL hAccel = GetAccelTable();
    if (m_nSuspendCount > 0 || !hAccel)
        return FALSE;
    return ::TranslateAcceleratorA(hWnd, hAccel, lpMsg) != 0;
}

void CXTPShortcutManager::Suspend(BOOL bSuspend)
{
    if (bSuspend)
        ++m_nSuspendCount;
    else if (m_nSuspendCount > 0)
        --m_nSuspendCount;
}

BOOL CXTPShortcutManager::IsAllowedShortcut(const ACCEL& accel)
{
    if (m_bAllowEscapeShortcut)
        return TRUE;
    const BYTE modifiers = FSHIFT | FCONTROL | FALT;
    return !(accel.key == VK_ESCAPE && (accel.fVirt & FVIRTKEY) && !(accel.fVirt & modifiers));
}

BOOL CXTPShortcutManager::OnBeforeAdd(ACCEL* /*pAccel*/)
{
    return FALSE;
}

BOOL CXTPShortcutManager::OnBeforeRemove(ACCEL* /*pAccel*/)
{
    return FALSE;
}

void CXTPShortcutManager::WriteAcceleratorsToProfile(LPCSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (!m_hOriginalAccelTable || !pApp)
        return;
    std::vector<BYTE> data = RecordBytes(CopyAccelerators(GetAccelTable()));
    BYTE empty = 0;
    pApp->WriteProfileBinary(lpszSection, kAcceleratorsEntry, data.empty() ? &empty : data.data(),
                             static_cast<UINT>(data.size()));
}

// A value of no length is a table the user emptied; one too short for a
// single record is damaged and leaves the table as it is.
void CXTPShortcutManager::ReadAcceleratorsFromProfile(LPCSTR lpszSection)
{
    CWinApp* pApp = AfxGetApp();
    if (!m_hOriginalAccelTable || !pApp)
        return;
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!pApp->GetProfileBinary(lpszSection, kAcceleratorsEntry, &pData, &nBytes))
        return;
    const size_t nRecords = nBytes / kAccelRecordSize;
    if (nBytes == 0 || nRecords > 0)
        SetAccelTableFromBytes(pData, nRecords);
    delete[] pData;
}

void CXTPShortcutManager::DoPropExchange(CXTPPropExchange* pPX)
{
    if (pPX->IsBinaryCapable())
    {
        if (pPX->IsStoring())
        {
            std::vector<BYTE> data = RecordBytes(CopyAccelerators(GetAccelTable()));
            int nCount = static_cast<int>(data.size() / kAccelRecordSize);
            DWORD nBytes = static_cast<DWORD>(data.size());
            BYTE empty = 0;
            BYTE* pData = data.empty() ? &empty : data.data();
            ExchangeIntProperty(pPX, "Count", nCount, 0);
            ExchangeBlob(pPX, "Data", pData, nBytes);
            return;
        }
        int nCount = 0;
        ExchangeIntProperty(pPX, "Count", nCount, 0);
        BYTE* pData = nullptr;
        DWORD nBytes = 0;
        if (ExchangeBlob(pPX, "Data", pData, nBytes))
        {
            // The count is only believed as far as the data reaches.
            size_t nRecords = nCount > 0 ? static_cast<size_t>(nCount) : 0;
            if (pData && nRecords > nBytes / kAccelRecordSize)
                nRecords = nBytes / kAccelRecordSize;
            SetAccelTableFromBytes(pData, pData ? nRecords : 0);
        }
        free(pData);
        return;
    }

    CXTPPropExchangeEnumerator* pEnumerator = pPX->GetEnumerator("Accel");
    if (pPX->IsStoring())
    {
        std::vector<ACCEL> accels = CopyAccelerators(GetAccelTable());
        POSITION pos = pEnumerator->GetPosition(static_cast<DWORD>(accels.size()));
        for (const ACCEL& accel : accels)
        {
            if (!pos)
                break;
            CXTPPropExchange* pSection = pEnumerator->GetNext(pos);
            int nId = accel.cmd, nVirt = accel.fVirt, nKey = accel.key;
            ExchangeIntProperty(pSection, "Id", nId, 0);
            ExchangeIntProperty(pSection, "virt", nVirt, 0);
            ExchangeIntProperty(pSection, "key", nKey, 0);
            pSection->InternalRelease();
        }
    }
    else
    {
        std::vector<BYTE> data;
        POSITION pos = pEnumerator->GetPosition(0);
        while (pos && data.size() < kMaxAccelerators * kAccelRecordSize)
        {
            CXTPPropExchange* pSection = pEnumerator->GetNext(pos);
            int nId = 0, nVirt = 0, nKey = 0;
            ExchangeIntProperty(pSection, "Id", nId, 0);
            ExchangeIntProperty(pSection, "virt", nVirt, 0);
            ExchangeIntProperty(pSection, "key", nKey, 0);
            pSection->InternalRelease();
            ACCEL accel = {static_cast<BYTE>(nVirt), static_cast<WORD>(nKey),
                           static_cast<WORD>(nId)};
            data.resize(data.size() + kAccelRecordSize);
            WriteRecord(&data[data.size() - kAccelRecordSize], accel);
        }
        SetAccelTableFromBytes(data.data(), data.size() / kAccelRecordSize);
    }
    delete pEnumerator;
}

BOOL CXTPShortcutManager::FindDefaultAccelerator(UINT nCmd, CString& strShortcut)
{
    HACCEL hAccel = GetAccelTable();
    if (!hAccel && !m_hOriginalAccelTable && m_pSite
        && m_pSite->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        hAccel = static_cast<CFrameWnd*>(m_pSite)->m_hAccelTable;

    CString strCandidate;
    int nCandidatePriority = 0;
    BOOL bFound = FALSE;
    BOOL bMatched = FALSE;
    for (const ACCEL& accel : CopyAccelerators(hAccel))
    {
        if (accel.cmd != nCmd)
            continue;
        bFound = TRUE;
        CString strText;
        int nPriority = 0;
        FormatAccel(strText, accel, &nPriority);
        if (strCandidate.IsEmpty() || nPriority > nCandidatePriority)
        {
            strCandidate = strText;
            nCandidatePriority = nPriority;
        }
        if (strText == strShortcut)
            bMatched = TRUE;
    }
    if (!bFound)
    {
        strShortcut.Empty();
        return FALSE;
    }
    if (!bMatched)
        strShortcut = strCandidate;
    return TRUE;
}
