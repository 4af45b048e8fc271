// The store of command images: for every command id an icon set holding one
// icon per width. Controls and themes ask for the icon of a command at the
// width they draw; a missing width is made as a scaled copy of the nearest
// one and kept. Images come from bitmap resources (plain, 32-bit with alpha,
// PNG), toolbar resources, system image lists and stored bar state.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/Map.h"
#include "toolkit/draw/ImageManagerIcon.h"

#include <commctrl.h>

class CXTPPropExchange;

class CXTPImageManagerIconSet : public CCmdTarget
{
public:
    CXTPImageManagerIconSet(UINT nID, CXTPImageManager* pImageManager);
    ~CXTPImageManagerIconSet() override;

    UINT GetID() const { return m_nID; }
    CXTPImageManager* GetImageManager() const { return m_pImageManager; }

    // The icon of the width; width 0 the smallest and 1 the largest given
    // icon. Otherwise, with scaling allowed, a scaled copy of the nearest
    // given width is made and kept (alpha images come back unscaled).
    CXTPImageManagerIcon* GetIcon(UINT nWidth, BOOL bScaled = TRUE);
    // The icon of exactly that width, made when missing.
    CXTPImageManagerIcon* CreateIcon(UINT nWidth);
    void SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nWidth, int nState);
    // The same, taking an owned normal image over instead of copying it.
    void SetIcon(CXTPImageManagerIconHandle&& hIcon, UINT nWidth, int nState);
    // Drops the scaled copies and the generated images of every icon.
    void RefreshAll();
    void RemoveIcon(UINT nWidth);
    void RemoveAll();

    using IconMap = CMap<UINT, UINT, CXTPImageManagerIcon*, CXTPImageManagerIcon*>;
    IconMap& GetIcons() { return m_mapIcons; }

private:
    UINT m_nID;
    CXTPImageManager* m_pImageManager;
    IconMap m_mapIcons;
};

// A system image list whose image i belongs to command id first + i.
class CXTPImageManagerImageList
{
public:
    CXTPImageManagerImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bDestroy);
    ~CXTPImageManagerImageList();

    BOOL Lookup(UINT nCommand) const;
    // The icon that draws the command's entry, made on first request.
    CXTPImageManagerIcon* GetIcon(UINT nCommand);
    CSize GetIconSize() const;
    HIMAGELIST GetHandle() const { return m_hImageList; }
    UINT GetBaseCommand() const { return m_nBaseCommand; }
    // Releases the icons made for the entries.
    void RemoveAll();

private:
    CXTPImageManagerImageList(const CXTPImageManagerImageList&) = delete;
    CXTPImageManagerImageList& operator=(const CXTPImageManagerImageList&) = delete;

    HIMAGELIST m_hImageList;
    BOOL m_bDestroyImageList;
    UINT m_nBaseCommand;
    CMap<UINT, UINT, CXTPImageManagerIcon*, CXTPImageManagerIcon*> m_mapIcons;
};

class CXTPImageManager : public CCmdTarget
{
public:
    CXTPImageManager();
    ~CXTPImageManager() override;

    // Stores a copy of the image for the command. Width 0: the image's own.
    // Without an icon set only the normal state makes one. An owned image
    // handed over to keep is taken over instead of copied.
    BOOL SetIcon(const CXTPImageManagerIconHandle& hIcon, UINT nIDCommand, int nWidth = 0,
                 int nState = xtpImageNormal);
    BOOL SetIcon(CXTPImageManagerIconHandle&& hIcon, UINT nIDCommand, int nWidth = 0,
                 int nState = xtpImageNormal);
    // Cuts a strip bitmap into icons for the ids (image i for id i without a
    // list). With both sizes 0 the width is the strip's width / nCount.
    BOOL SetIcons(HBITMAP hBitmap, const UINT* pCommands, int nCount, CSize szIcon,
                  int nState = xtpImageNormal, BOOL bAlpha = FALSE);
    BOOL AddIconsFromBitmap(UINT nIDBitmap, const UINT* pCommands, int nCount, CSize szIcon,
                            int nState = xtpImageNormal);
    // The ids of a toolbar resource (type 241; separators dropped) with the
    // images of the bitmap resource.
    BOOL AddToolBarIcons(UINT nIDToolBar, UINT nIDBitmap, int nState = xtpImageNormal);
    // Registers a system image list for the command ids first, first + 1, ...
    void AddImageList(HIMAGELIST hImageList, UINT nBaseCommand, BOOL bDestroy);

    CXTPImageManagerIcon* LookupIcon(UINT nCommand, UINT nWidth = 16);
    BOOL IsIconAvailable(UINT nCommand, UINT nWidth);
    CXTPImageManagerIconSet* GetIconSet(UINT nCommand);
    void RefreshIcons();
    void RemoveAll();

    // -1 (the default): each bitmap's top-left pixel is the transparent colour.
    void SetMaskColor(COLORREF clrMask) { m_clrMask = clrMask; }
    COLORREF GetMaskColor() const { return m_clrMask; }
    // 0 never, 1 always, 2 in right-to-left device contexts: icons drawn mirrored.
    void SetMirrorMode(int nMode) { m_nMirrorMode = nMode; }
    int GetMirrorMode() const { return m_nMirrorMode; }
    // The largest command id met while exchanging icon sets.
    UINT GetHighestCommand() const { return m_nCustomID; }

    void Serialize(CArchive& ar) override;
    void DoPropExchange(CXTPPropExchange* pPX);
    // The icon set of one command in a section of its own (a control's custom icon).
    void ExchangeIcons(CXTPPropExchange* pPX, UINT nCommand) { ExchangeIconSet(pPX, nCommand); }

    using PFNALPHABLEND = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int,
                                        BLENDFUNCTION);
    using PFNTRANSPARENTBLT = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int,
                                            UINT);
    PFNALPHABLEND GetAlphaBlendFunction() const;
    PFNTRANSPARENTBLT GetTransparentBltFunction() const;
    // Test seam: FALSE makes the blits take their own path even where the
    // system offers AlphaBlend and TransparentBlt.
    static void UseSystemBlits(BOOL bUse);

private:
    // The command's icon set for an image of the width (0: the image's own,
    // set on return) and state, made for the normal state; null when the
    // image is empty or has no width, or a set is missing for another state.
    CXTPImageManagerIconSet* IconSetFor(const CXTPImageManagerIconHandle& hIcon, UINT nIDCommand,
                                        int& nWidth, int nState);
    void ExchangeIconSet(CXTPPropExchange* pPX, UINT nCommand);

    COLORREF m_clrMask;
    CMap<UINT, UINT, CXTPImageManagerIconSet*, CXTPImageManagerIconSet*> m_mapImages;
    CArray<CXTPImageManagerImageList*, CXTPImageManagerImageList*> m_arrImageList;
    UINT m_nCustomID;
    HMODULE m_hMsImgDll;
    PFNALPHABLEND m_pfnAlphaBlend;
    PFNTRANSPARENTBLT m_pfnTransparentBlt;
    int m_nMirrorMode;
};

// The process-wide image manager: the manager of every icon set that has no
// other owner.
CXTPImageManager* XTPImageManager();
