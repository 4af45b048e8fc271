#include "toolkit/draw/AuxData.h"

#include "toolkit/draw/ColorManager.h"
#include "toolkit/draw/ResourceManager.h"
#include "toolkit/draw/SystemInfo.h"
#include "toolkit/res/ToolkitRes.h"

#include <shlwapi.h>

namespace {

OSVERSIONINFOA ReadSystemVersion()
{
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = 148;
    ::GetVersionExA(&version);
    return version;
}

// Filled by a static initialiser when the program starts.
const OSVERSIONINFOA s_systemVersion = ReadSystemVersion();

BOOL CreateFontFrom(CFont& font, const LOGFONTA& lf)
{
    return font.CreateFontIndirect(&lf);
}

void SetFace(LOGFONTA& lf, LPCSTR lpszFace)
{
    lstrcpynA(lf.lfFaceName, lpszFace, LF_FACESIZE);
}

} // namespace

const OSVERSIONINFOA& XTPSystemVersion()
{
    return s_systemVersion;
}

BOOL IsWin95(const OSVERSIONINFOA& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMajorVersion == 4
           && version.dwMinorVersion < 10;
}

BOOL IsWin98(const OSVERSIONINFOA& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && version.dwMajorVersion == 4
           && version.dwMinorVersion == 10;
}

BOOL IsWinNT4(const OSVERSIONINFOA& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 4
           && version.dwMinorVersion == 0;
}

BOOL IsWin2000(const OSVERSIONINFOA& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5
           && version.dwMinorVersion == 0;
}

BOOL IsWinXP(const OSVERSIONINFOA& version)
{
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 5
           && version.dwMinorVersion == 1;
}

CXTAuxData::CXTAuxData()
    : hcurDragNone(nullptr)
    , hcurDragCopy(nullptr)
    , hcurDragMove(nullptr)
    , hcurHand(nullptr)
    , hcurHSplitBar(nullptr)
    , hcurVSplitBar(nullptr)
    , hcurMove(nullptr)
    , bWin95(IsWin95())
    , bWin98(IsWin98())
    , bWinNT4(IsWinNT4())
    , bWin2K(IsWin2000())
    , bWinXP(IsWinXP())
    , bPreferTahoma(FALSE)
    , m_nComCtlVersion(-1)
{
    GetComCtlVersion();
    UpdateSysColors();
    UpdateSysMetrics();
    LoadSysCursors();
    CreateSysFonts(nullptr, nullptr);
}

CXTAuxData::~CXTAuxData()
{
    DeleteSysFonts();
}

void CXTAuxData::UpdateSysColors()
{
    RefreshSystemColors();
    const CXTPColorManager* pManager = GetColorManager();
    clr3DFace = pManager->ResolveColor(COLOR_BTNFACE);
    clr3DShadow = pManager->ResolveColor(COLOR_BTNSHADOW);
    clr3DDkShadow = pManager->ResolveColor(COLOR_3DDKSHADOW);
    clr3DHilight = pManager->ResolveColor(COLOR_BTNHIGHLIGHT);
    clr3DLight = pManager->ResolveColor(COLOR_3DLIGHT);
    clrBtnText = pManager->ResolveColor(COLOR_BTNTEXT);
    clrGrayText = pManager->ResolveColor(COLOR_GRAYTEXT);
    clrHighlight = pManager->ResolveColor(COLOR_HIGHLIGHT);
    clrHighlightText = pManager->ResolveColor(COLOR_HIGHLIGHTTEXT);
    clrMenu = pManager->ResolveColor(COLOR_MENU);
    clrMenuText = pManager->ResolveColor(COLOR_MENUTEXT);
    clrWindow = pManager->ResolveColor(COLOR_WINDOW);
    clrWindowFrame = pManager->ResolveColor(COLOR_WINDOWFRAME);
    clrWindowText = pManager->ResolveColor(COLOR_WINDOWTEXT);
    clrActiveCaption = pManager->ResolveColor(COLOR_ACTIVECAPTION);
    clrInActiveCaption = pManager->ResolveColor(COLOR_INACTIVECAPTION);
    clrGradActiveCapt = pManager->ResolveColor(COLOR_GRADIENTACTIVECAPTION);
    clrGradInActiveCapt = pManager->ResolveColor(COLOR_GRADIENTINACTIVECAPTION);
    clrActiveCaptText = pManager->ResolveColor(COLOR_CAPTIONTEXT);
    clrInactiveCaptText = pManager->ResolveColor(COLOR_INACTIVECAPTIONTEXT);
    for (int i = 0; i < 20; ++i)
        clrToolkit[i] = pManager->ResolveColor(30 + i);
}

void CXTAuxData::UpdateSysMetrics()
{
    cxSmIcon = ::GetSystemMetrics(SM_CXSMICON);
    cySmIcon = ::GetSystemMetrics(SM_CYSMICON);
    cxSize = 18;
    cySize = 18;
    cxHThumb = ::GetSystemMetrics(SM_CXHTHUMB);
    cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    cyMenuItem = ::GetSystemMetrics(SM_CYMENU);
}

BOOL CXTAuxData::LoadSysCursors()
{
    CXTPResourceManager* pResources = GetResourceManager();
    if (!(hcurDragNone = pResources->LoadCursor(XTP_IDC_DRAGNONE)))
        return FALSE;
    if (!(hcurDragCopy = pResources->LoadCursor(XTP_IDC_DRAGCOPY)))
        return FALSE;
    if (!(hcurDragMove = pResources->LoadCursor(XTP_IDC_DRAGMOVE)))
        return FALSE;
    hcurHand = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));   // IDC_HAND
    if (!hcurHand && !(hcurHand = pResources->LoadCursor(XTP_IDC_HAND)))
        return FALSE;
    if (!(hcurHSplitBar = pResources->LoadCursor(XTP_IDC_HSPLITBAR)))
        return FALSE;
    if (!(hcurVSplitBar = pResources->LoadCursor(XTP_IDC_VSPLITBAR)))
        return FALSE;
    hcurMove = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646));   // IDC_SIZEALL
    return hcurMove != nullptr;
}

void CXTAuxData::DeleteSysFonts()
{
    for (CFont* pFont : {&font, &fontBold, &fontULine, &fontVert, &fontVertBold, &fontIconTitle,
                         &fontIconTitleBold, &fontMarlett, &fontStatus, &fontMessage})
        pFont->DeleteObject();
}

BOOL CXTAuxData::FontExists(LPCSTR lpszFaceName)
{
    return ::FontExists(lpszFaceName);
}

BOOL CXTAuxData::CreateSysFonts(LPCSTR lpszFaceName, LPCSTR lpszVertFaceName)
{
    DeleteSysFonts();

    NONCLIENTMETRICSA ncm = {};
    ncm.cbSize = 340;
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &ncm, 0);

    LOGFONTA lfBase = {};
    lfBase.lfHeight = ncm.lfMenuFont.lfHeight;
    lfBase.lfWeight = ncm.lfMenuFont.lfWeight;
    lfBase.lfItalic = ncm.lfMenuFont.lfItalic;
    SetFace(lfBase, ncm.lfMenuFont.lfFaceName);
    HDC hScreenDC = ::GetWindowDC(nullptr);
    lfBase.lfCharSet = static_cast<BYTE>(::GetTextCharsetInfo(hScreenDC, nullptr, 0));
    ::ReleaseDC(nullptr, hScreenDC);

    if (lpszFaceName && *lpszFaceName && FontExists(lpszFaceName))
    {
        SetFace(lfBase, lpszFaceName);
        SetFace(ncm.lfStatusFont, lpszFaceName);
        SetFace(ncm.lfMessageFont, lpszFaceName);
    }
    else if (bPreferTahoma && lfBase.lfCharSet <= 2 && FontExists("Tahoma"))
    {
        SetFace(lfBase, "Tahoma");
    }

    LOGFONTA lf = lfBase;
    if (!CreateFontFrom(font, lf))
        return FALSE;
    lf = lfBase;
    lf.lfWeight = FW_BOLD;
    if (!CreateFontFrom(fontBold, lf))
        return FALSE;
    lf = lfBase;
    lf.lfUnderline = 1;
    if (!CreateFontFrom(fontULine, lf))
        return FALSE;

    LOGFONTA lfVert = lfBase;
    if (lpszVertFaceName && *lpszVertFaceName && FontExists(lpszVertFaceName))
        SetFace(lfVert, lpszVertFaceName);
    else if (lstrcmpiA(lfVert.lfFaceName, "Tahoma") != 0 && FontExists("Arial"))
        SetFace(lfVert, "Arial");
    lfVert.lfEscapement = 2700;
    lfVert.lfOrientation = 900;
    if (!CreateFontFrom(fontVert, lfVert))
        return FALSE;
    lfVert.lfWeight = FW_BOLD;
    if (!CreateFontFrom(fontVertBold, lfVert))
        return FALSE;

    LOGFONTA lfIconTitle = {};
    ::SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(lfIconTitle), &lfIconTitle, 0);
    if (!CreateFontFrom(fontIconTitle, lfIconTitle))
        return FALSE;
    lf = lfIconTitle;
    lf.lfWeight = FW_BOLD;
    if (!CreateFontFrom(fontIconTitleBold, lf))
        return FALSE;

    if (!CreateFontFrom(fontStatus, ncm.lfStatusFont))
        return FALSE;
    if (!CreateFontFrom(fontMessage, ncm.lfMessageFont))
        return FALSE;

    LOGFONTA lfSymbol = {};
    lfSymbol.lfHeight = lfIconTitle.lfHeight;
    lfSymbol.lfCharSet = DEFAULT_CHARSET;
    SetFace(lfSymbol, "Marlett");
    return CreateFontFrom(fontMarlett, lfSymbol);
}

DWORD CXTAuxData::GetComCtlVersion()
{
    if (m_nComCtlVersion == -1)
    {
        HMODULE hComCtl = ::LoadLibraryA("COMCTL32.DLL");
        if (hComCtl)
        {
            using PFNDLLGETVERSION = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
            auto pfn = reinterpret_cast<PFNDLLGETVERSION>(
                reinterpret_cast<void*>(::GetProcAddress(hComCtl, "DllGetVersion")));
            DLLVERSIONINFO info = {};
            info.cbSize = 20;
            if (pfn && SUCCEEDED(pfn(&info)))
                m_nComCtlVersion = MAKELONG(info.dwMinorVersion, info.dwMajorVersion);
            ::FreeLibrary(hComCtl);
        }
    }
    return m_nComCtlVersion == -1 ? 0 : static_cast<DWORD>(m_nComCtlVersion);
}

CXTAuxData* GetAuxData()
{
    static CXTAuxData s_auxData;
    return &s_auxData;
}
