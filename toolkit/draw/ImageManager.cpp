#include "toolkit/draw/ImageManager.h"

#include "framework/core/Module.h"
#include "toolkit/draw/BitmapHelpers.h"

#include <stdlib.h>
#include <utility>
#include <vector>

namespace {

// The process-wide manager, built by a static initialiser.
CXTPImageManager s_imageManager;
BOOL s_bUseSystemBlits = TRUE;

const UINT nFirstCustomCommand = 0x10AAA;

} // namespace

CXTPImageManager* XTPImageManager()
{
    return &s_imageManager;
}

// --- Icon set -----------------------------------------------------------------

CXTPImageManagerIconSet::CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pImageManager)
    : m_nID(nID)
    , m_pImageManager(pImageManager)
    , m_mapIcons(10)
{
}

CXTPImageManagerIconSet::~CXTPImageManagerIconSet()
{
    RemoveAll();
}

void CXTPImageManagerIconSet::RemoveAll()
{
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos)
    {
        UINT nWidth = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        m_mapIcons.GetNextAssoc(pos, nWidth, pIcon);
        pIcon->InternalRelease();
    }
    m_mapIcons.RemoveAll();
}

void CXTPImageManagerIconSet::RemoveIcon(UINT nWidth)
{
    CXTPImageManagerIcon* pIcon = nullptr;
    if (m_mapIcons.Lookup(nWidth, pIcon))
    {
        m_mapIcons.RemoveKey(nWidth);
        pIcon->InternalRelease();
    }
}

void CXTPImageManagerIconSet::RefreshAll()
{
    std::vector<UINT> scaled;
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos)
    {
        UINT nWidth = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        m_mapIcons.GetNextAssoc(pos, nWidth, pIcon);
        if (pIcon->IsScaled())
            scaled.push_back(nWidth);
        else
            pIcon->ClearGeneratedImages();
    }
    for (UINT nWidth : scaled)
        RemoveIcon(nWidth);
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::CreateIcon(UINT nWidth)
{
    CXTPImageManagerIcon* pIcon = nullptr;
    if (!m_mapIcons.Lookup(nWidth, pIcon))
    {
        pIcon = new CXTPImageManagerIcon(m_nID, static_cast<int>(nWidth), 0, this);
        m_mapIcons.SetAt(nWidth, pIcon);
    }
    return pIcon;
}

void CXTPImageManagerIconSet::SetIcon(CXTPImageManagerIconHandle&& hIcon, UINT nWidth, int nState)
{
    if (nState == xtpImageNormal)
        CreateIcon(nWidth)->SetIcon(std::move(hIcon));
    else
        SetIcon(static_cast<const CXTPImageManagerIconHandle&>(hIcon), nWidth, nState);
}

void CXTPImageManagerIconSet::SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth,
                                      int nState)
{
    CXTPImageManagerIcon* pIcon = CreateIcon(nWidth);
    switch (nState)
    {
    case xtpImageNormal: pIcon->SetIcon(hIcon); break;
    case xtpImageDisabled: pIcon->SetDisabledIcon(hIcon); break;
    case xtpImageHot: pIcon->SetHotIcon(hIcon); break;
    case xtpImageChecked: pIcon->SetCheckedIcon(hIcon); break;
    case xtpImagePressed: pIcon->SetPressedIcon(hIcon); break;
    default: break;
    }
}

CXTPImageManagerIcon* CXTPImageManagerIconSet::GetIcon(UINT nWidth, BOOL bScaled)
{
    CXTPImageManagerIcon* pIcon = nullptr;
    if (nWidth != 0 && nWidth != 1)
    {
        if (m_mapIcons.Lookup(nWidth, pIcon))
            return pIcon;
        if (!bScaled)
            return nullptr;
    }

    // The best given icon: smallest for 0, largest for 1, else the nearest
    // width (the first met on a tie). Scaled copies never serve as sources.
    CXTPImageManagerIcon* pBest = nullptr;
    UINT nBestWidth = 0;
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos)
    {
        UINT nIconWidth = 0;
        m_mapIcons.GetNextAssoc(pos, nIconWidth, pIcon);
        if (pIcon->IsScaled())
            continue;
        BOOL bBetter = FALSE;
        if (!pBest)
            bBetter = TRUE;
        else if (nWidth == 0)
            bBetter = nIconWidth < nBestWidth;
        else if (nWidth == 1)
            bBetter = nIconWidth > nBestWidth;
        else
            bBetter = abs(static_cast<int>(nIconWidth) - static_cast<int>(nWidth))
                      < abs(static_cast<int>(nBestWidth) - static_cast<int>(nWidth));
        if (bBetter)
        {
            pBest = pIcon;
            nBestWidth = nIconWidth;
        }
    }
    if (!pBest || nWidth == 0 || nWidth == 1 || pBest->GetNormalImage().IsAlpha())
        return pBest;

    CXTPImageManagerIcon* pScaled = pBest->CreateScaledCopy(static_cast<int>(nWidth));
    if (!pScaled)
        return pBest;
    m_mapIcons.SetAt(nWidth, pScaled);
    return pScaled;
}

// --- Image list -------------------------------------------------------------

CXTPImageManagerImageList::CXTPImageManagerImageList(HIMAGELIST hImageList, UINT nBaseCommand,
                                                     BOOL bDestroy)
    : m_hImageList(hImageList)
    , m_bDestroyImageList(bDestroy)
    , m_nBaseCommand(nBaseCommand)
{
}

CXTPImageManagerImageList::~CXTPImageManagerImageList()
{
    RemoveAll();
    if (m_bDestroyImageList && m_hImageList)
        ::ImageList_Destroy(m_hImageList);
}

BOOL CXTPImageManagerImageList::Lookup(UINT nCommand) const
{
    UINT nImages = static_cast<UINT>(::ImageList_GetImageCount(m_hImageList));
    return nCommand >= m_nBaseCommand && nCommand - m_nBaseCommand < nImages;
}

CSize CXTPImageManagerImageList::GetIconSize() const
{
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(m_hImageList, &cx, &cy);
    return CSize(cx, cy);
}

CXTPImageManagerIcon* CXTPImageManagerImageList::GetIcon(UINT nCommand)
{
    CXTPImageManagerIcon* pIcon = nullptr;
    if (!m_mapIcons.Lookup(nCommand, pIcon))
    {
        CSize size = GetIconSize();
        pIcon = new CXTPImageManagerIcon(nCommand, size.cx, size.cy, this);
        m_mapIcons.SetAt(nCommand, pIcon);
    }
    return pIcon;
}

void CXTPImageManagerImageList::RemoveAll()
{
    POSITION pos = m_mapIcons.GetStartPosition();
    while (pos)
    {
        UINT nCommand = 0;
        CXTPImageManagerIcon* pIcon = nullptr;
        m_mapIcons.GetNextAssoc(pos, nCommand, pIcon);
        pIcon->InternalRelease();
    }
    m_mapIcons.RemoveAll();
}

// --- Manager ------------------------------------------------------------------

CXTPImageManager::CXTPImageManager()
    : m_clrMask(static_cast<COLORREF>(-1))
    , m_mapImages(10)
    , m_nCustomID(nFirstCustomCommand)
    , m_hMsImgDll(::LoadLibraryA("msimg32.dll"))
    , m_pfnAlphaBlend(nullptr)
    , m_pfnTransparentBlt(nullptr)
    , m_nMirrorMode(0)
{
    m_mapImages.InitHashTable(127, FALSE);
    if (m_hMsImgDll)
    {
        m_pfnAlphaBlend = reinterpret_cast<PFNALPHABLEND>(
            reinterpret_cast<void*>(::GetProcAddress(m_hMsImgDll, "AlphaBlend")));
        m_pfnTransparentBlt = reinterpret_cast<PFNTRANSPARENTBLT>(
            reinterpret_cast<void*>(::GetProcAddress(m_hMsImgDll, "TransparentBlt")));
    }
}

CXTPImageManager::~CXTPImageManager()
{
    RemoveAll();
    if (m_hMsImgDll)
        ::FreeLibrary(m_hMsImgDll);
}

CXTPImageManager::PFNALPHABLEND CXTPImageManager::GetAlphaBlendFunction() const
{
    return s_bUseSystemBlits ? m_pfnAlphaBlend : nullptr;
}

CXTPImageManager::PFNTRANSPARENTBLT CXTPImageManager::GetTransparentBltFunction() const
{
    return s_bUseSystemBlits ? m_pfnTransparentBlt : nullptr;
}

void CXTPImageManager::UseSystemBlits(BOOL bUse)
{
    s_bUseSystemBlits = bUse;
}

CXTPImageManagerIconSet* CXTPImageManager::GetIconSet(UINT nCommand)
{
    CXTPImageManagerIconSet* pIconSet = nullptr;
    return m_mapImages.Lookup(nCommand, pIconSet) ? pIconSet : nullptr;
}

CXTPImageManagerIconSet* CXTPImageManager::IconSetFor(const CXTPImageManagerIconHandle& hIcon,
                                                     UINT nIDCommand, int& nWidth, int nState)
{
    if (hIcon.IsEmpty())
        return nullptr;
    if (nWidth == 0)
        nWidth = hIcon.GetExtent().cx;
    if (nWidth <= 0)
        return nullptr;

    CXTPImageManagerIconSet* pIconSet = GetIconSet(nIDCommand);
    if (!pIconSet)
    {
        if (nState != xtpImageNormal)
            return nullptr;
        pIconSet = new CXTPImageManagerIconSet(nIDCommand, this);
        m_mapImages.SetAt(nIDCommand, pIconSet);
    }
    return pIconSet;
}

BOOL CXTPImageManager::SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nIDCommand,
                               int nWidth, int nState)
{
    CXTPImageManagerIconSet* pIconSet = IconSetFor(hIcon, nIDCommand, nWidth, nState);
    if (!pIconSet)
        return FALSE;
    pIconSet->SetIcon(hIcon, static_cast<UINT>(nWidth), nState);
    return TRUE;
}

BOOL CXTPImageManager::SetIcon(CXTPImageManagerIconHandle&& hIcon, UINT nIDCommand, int nWidth,
                               int nState)
{
    CXTPImageManagerIconSet* pIconSet = IconSetFor(hIcon, nIDCommand, nWidth, nState);
    if (!pIconSet)
        return FALSE;
    pIconSet->SetIcon(std::move(hIcon), static_cast<UINT>(nWidth), nState);
    return TRUE;
}

BOOL CXTPImageManager::SetIcons(HBITMAP hBitmap, const UINT* pCommands, int nCount, CSize szIcon,
                                int nState, BOOL bAlpha)
{
    int nWidth = 0, nHeight = 0, nBitCount = 0;
    if (!GetBitmapFormat(hBitmap, &nWidth, &nHeight, &nBitCount))
        return FALSE;
    if (szIcon.cx == 0 && szIcon.cy == 0 && nCount > 0)
        szIcon = CSize(nWidth / nCount, nHeight);
    else if (nCount == 0 && szIcon.cx > 0)
        nCount = nWidth / szIcon.cx;
    if (szIcon.cx <= 0 || szIcon.cy <= 0 || nCount <= 0)
        return FALSE;
    int nImages = nWidth / szIcon.cx;

    // The id of each image; ids of 0 are separators when the list and the
    // strip disagree in length.
    auto forEachImage = [&](auto store) {
        int nImage = 0;
        for (int i = 0; i < nCount && nImage < nImages; ++i)
        {
            UINT nCommand = pCommands ? pCommands[i] : static_cast<UINT>(i);
            if (pCommands && nCount != nImages && nCommand == 0)
                continue;
            store(nImage++, nCommand);
        }
    };

    if (bAlpha)
    {
        if (nWidth % szIcon.cx != 0)
            return FALSE;
        std::vector<HBITMAP> pieces(static_cast<size_t>(nImages));
        if (!SplitBitmap(hBitmap, nImages, pieces.data()))
            return FALSE;
        forEachImage([&](int nImage, UINT nCommand) {
            SetIcon(CXTPImageManagerIconHandle(pieces[nImage]), nCommand, szIcon.cx, nState);
        });
        for (HBITMAP hPiece : pieces)
            ::DeleteObject(hPiece);
        return TRUE;
    }

    HIMAGELIST hImageList = ::ImageList_Create(szIcon.cx, szIcon.cy, ILC_MASK | ILC_COLOR24, 0, 1);
    if (!hImageList)
        return FALSE;
    COLORREF clrMask = m_clrMask != static_cast<COLORREF>(-1) ? m_clrMask
                                                             : GetBitmapPixel(hBitmap, 0, 0);
    // Adding with a mask blackens the masked pixels of the bitmap it is
    // given: it gets a copy, so the caller's bitmap stays as it was.
    HBITMAP hCopy = static_cast<HBITMAP>(::CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, 0));
    BOOL bResult = hCopy && ::ImageList_AddMasked(hImageList, hCopy, clrMask) != -1;
    if (hCopy)
        ::DeleteObject(hCopy);
    if (bResult)
    {
        nImages = ::ImageList_GetImageCount(hImageList);
        forEachImage([&](int nImage, UINT nCommand) {
            // The icon made here is handed over to keep: making and copying
            // icons is most of a program's start under some systems.
            CXTPImageManagerIconHandle hIcon;
            hIcon.AttachIcon(::ImageList_GetIcon(hImageList, nImage, ILD_NORMAL), szIcon);
            if (!hIcon.IsEmpty())
                SetIcon(std::move(hIcon), nCommand, szIcon.cx, nState);
        });
    }
    ::ImageList_Destroy(hImageList);
    return bResult;
}

BOOL CXTPImageManager::AddIconsFromBitmap(UINT nIDBitmap, const UINT* pCommands, int nCount,
                                          CSize szIcon, int nState)
{
    BOOL bAlpha = FALSE;
    HBITMAP hBitmap = LoadBitmapResource(MAKEINTRESOURCEA(nIDBitmap), &bAlpha);
    if (!hBitmap)
        return FALSE;
    BOOL bResult = SetIcons(hBitmap, pCommands, nCount, szIcon, nState, bAlpha);
    ::DeleteObject(hBitmap);
    return bResult;
}

BOOL CXTPImageManager::AddToolBarIcons(UINT nIDToolBar, UINT nIDBitmap, int nState)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDToolBar);
    LPCSTR lpszType = MAKEINTRESOURCEA(241);
    HINSTANCE hInstance = AfxFindResourceHandle(lpszName, lpszType);
    HRSRC hRes = ::FindResourceA(hInstance, lpszName, lpszType);
    if (!hRes)
        return FALSE;
    DWORD nSize = ::SizeofResource(hInstance, hRes);
    HGLOBAL hGlobal = ::LoadResource(hInstance, hRes);
    const WORD* pData = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    // Version, button width, height and item count, then one id per item.
    if (!pData || nSize < 4 * sizeof(WORD) || nSize < (4 + pData[3]) * sizeof(WORD))
        return FALSE;

    std::vector<UINT> commands;
    for (WORD i = 0; i < pData[3]; ++i)
        if (pData[4 + i] != 0)
            commands.push_back(pData[4 + i]);
    if (commands.empty())
        return FALSE;
    return AddIconsFromBitmap(nIDBitmap, commands.data(), static_cast<int>(commands.size()),
                              CSize(0, 0), nState);
}

void CXTPImageManager::AddImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bDestroy)
{
    m_arrImageList.Add(new CXTPImageManagerImageList(hImageList, nBaseCommand, bDestroy));
}

CXTPImageManagerIcon* CXTPImageManager::LookupIcon(UINT nCommand, UINT nWidth)
{
    if (CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand))
        return pIconSet->GetIcon(nWidth, TRUE);
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
        if (m_arrImageList[i]->Lookup(nCommand))
            return m_arrImageList[i]->GetIcon(nCommand);
    return nullptr;
}

BOOL CXTPImageManager::IsIconAvailable(UINT nCommand, UINT nWidth)
{
    if (CXTPImageManagerIconSet* pIconSet = GetIconSet(nCommand))
    {
        CXTPImageManagerIcon* pIcon = pIconSet->GetIcon(nWidth, FALSE);
        if (pIcon && !pIcon->IsScaled())
            return TRUE;
    }
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
    {
        CXTPImageManagerImageList* pImageList = m_arrImageList[i];
        if (pImageList->Lookup(nCommand)
            && (nWidth == 0 || static_cast<int>(nWidth) == pImageList->GetIconSize().cx))
            return TRUE;
    }
    return FALSE;
}

void CXTPImageManager::RefreshIcons()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos)
    {
        UINT nCommand = 0;
        CXTPImageManagerIconSet* pIconSet = nullptr;
        m_mapImages.GetNextAssoc(pos, nCommand, pIconSet);
        pIconSet->RefreshAll();
    }
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
        m_arrImageList[i]->RemoveAll();
}

void CXTPImageManager::RemoveAll()
{
    POSITION pos = m_mapImages.GetStartPosition();
    while (pos)
    {
        UINT nCommand = 0;
        CXTPImageManagerIconSet* pIconSet = nullptr;
        m_mapImages.GetNextAssoc(pos, nCommand, pIconSet);
        pIconSet->InternalRelease();
    }
    m_mapImages.RemoveAll();
    for (INT_PTR i = 0; i < m_arrImageList.GetSize(); ++i)
        delete m_arrImageList[i];
    m_arrImageList.RemoveAll();
}
