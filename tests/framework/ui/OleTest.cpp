// OLE data transfer: a block in a registered format through the clipboard,
// a drop on a registered view driven through its drop target, the whole
// drag loop, and pictures loaded through an archive.
#include "TestApp.h"

#include "framework/core/Archive.h"
#include "framework/core/File.h"
#include "framework/core/MemFile.h"
#include "framework/ui/ArchiveStream.h"
#include "framework/ui/CreateContext.h"
#include "framework/ui/OleDataObject.h"
#include "framework/ui/OleDataSource.h"
#include "framework/ui/OleDropTarget.h"
#include "framework/ui/OleInit.h"
#include "framework/ui/View.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include <string>
#include <vector>

namespace {

const UINT kSharedFlags = GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT;

CLIPFORMAT EntryFormat()
{
    return static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Qivnotes Eintrag"));
}

// A block as the program writes its items: an archive over a shared file.
HGLOBAL MakeBlock(LPCSTR lpszTitle, DWORD dwValue)
{
    CSharedFile file(kSharedFlags, 4096);
    CArchive ar(&file, CArchive::store);
    ar << CString(lpszTitle) << dwValue;
    ar.Close();
    return file.Detach();
}

void ReadBlock(HGLOBAL hGlobal, CString& strTitle, DWORD& dwValue)
{
    auto* pData = static_cast<BYTE*>(::GlobalLock(hGlobal));
    CMemFile file(pData, static_cast<UINT>(::GlobalSize(hGlobal)));
    CArchive ar(&file, CArchive::load);
    ar >> strTitle >> dwValue;
    ar.Close();
    ::GlobalUnlock(hGlobal);
}

HGLOBAL MakeText(LPCSTR lpszText)
{
    SIZE_T nSize = static_cast<SIZE_T>(lstrlenA(lpszText)) + 1;
    HGLOBAL hGlobal = ::GlobalAlloc(kSharedFlags, nSize);
    memcpy(::GlobalLock(hGlobal), lpszText, nSize);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

class CCountedSource : public COleDataSource
{
public:
    explicit CCountedSource(int* pnDeleted) : m_pnDeleted(pnDeleted) {}
    ~CCountedSource() override { ++*m_pnDeleted; }

private:
    int* m_pnDeleted;
};

// A view that takes entries dropped on it: copy with Ctrl, else move.
class CDropView : public CView
{
public:
    int m_nEnters = 0;
    int m_nLeaves = 0;
    CPoint m_ptLast;
    std::vector<CString> m_dropped;
    DROPEFFECT m_lastEffect = DROPEFFECT_NONE;

    DROPEFFECT OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        ++m_nEnters;
        return OnDragOver(pDataObject, dwKeyState, point);
    }
    DROPEFFECT OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override
    {
        m_ptLast = point;
        if (!pDataObject->IsDataAvailable(EntryFormat()))
            return DROPEFFECT_NONE;
        return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }
    void OnDragLeave() override { ++m_nLeaves; }
    BOOL OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override
    {
        HGLOBAL hGlobal = pDataObject->GetGlobalData(EntryFormat());
        if (hGlobal == nullptr)
            return FALSE;
        CString strTitle;
        DWORD dwValue = 0;
        ReadBlock(hGlobal, strTitle, dwValue);
        ::GlobalFree(hGlobal);
        m_dropped.push_back(strTitle);
        m_lastEffect = dropEffect;
        m_ptLast = point;
        return TRUE;
    }
};

// Drops at once, wherever the mouse is.
class CDropAtOnce : public COleDropSource
{
public:
    SCODE QueryContinueDrag(BOOL, DWORD) override { return DRAGDROP_S_DROP; }
};

class OleTest : public testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(AfxOleInit()); }

    void SetUp() override
    {
        // Shown without taking the activation: a window that had it makes
        // the system wait when it goes.
        ASSERT_TRUE(m_parent.CreateEx(WS_EX_TOPMOST, TestWndClass(), "Ziehen", WS_POPUP, 100, 100,
                                      300, 200, nullptr, nullptr));
        m_parent.SetWindowPos(nullptr, 0, 0, 0, 0,
                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE
                                  | SWP_SHOWWINDOW);
        m_pView = new CDropView;
        CCreateContext context;
        ASSERT_TRUE(m_pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                                    &m_parent, 1, &context));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        ::OleSetClipboard(nullptr);
    }

    CWnd m_parent;
    CDropView* m_pView = nullptr;
};

TEST_F(OleTest, ARegisteredFormatRoundTripsThroughTheClipboard)
{
    int nDeleted = 0;
    auto* pSource = new CCountedSource(&nDeleted);
    pSource->CacheGlobalData(EntryFormat(), MakeBlock("Einkaufsliste", 0x00C0FFEE));
    pSource->CacheGlobalData(CF_TEXT, MakeText("Milch, Brot"));
    pSource->SetClipboard();
    EXPECT_EQ(nDeleted, 0);

    COleDataObject dataObject;
    ASSERT_TRUE(dataObject.AttachClipboard());
    EXPECT_TRUE(dataObject.IsDataAvailable(EntryFormat()));
    EXPECT_TRUE(dataObject.IsDataAvailable(CF_TEXT));
    CLIPFORMAT cfOther = static_cast<CLIPFORMAT>(::RegisterClipboardFormatA("Qivnotes Kategorie"));
    EXPECT_FALSE(dataObject.IsDataAvailable(cfOther));
    EXPECT_EQ(dataObject.GetGlobalData(cfOther), nullptr);

    // Read twice: each copy is the caller's, the clipboard keeps its own.
    for (int i = 0; i < 2; ++i)
    {
        HGLOBAL hGlobal = dataObject.GetGlobalData(EntryFormat());
        ASSERT_NE(hGlobal, nullptr);
        CString strTitle;
        DWORD dwValue = 0;
        ReadBlock(hGlobal, strTitle, dwValue);
        EXPECT_EQ(strTitle, "Einkaufsliste");
        EXPECT_EQ(dwValue, 0x00C0FFEEu);
        EXPECT_EQ(::GlobalFree(hGlobal), nullptr);
    }
    HGLOBAL hText = dataObject.GetGlobalData(CF_TEXT);
    ASSERT_NE(hText, nullptr);
    EXPECT_STREQ(static_cast<LPCSTR>(::GlobalLock(hText)), "Milch, Brot");
    ::GlobalUnlock(hText);
    ::GlobalFree(hText);

    // The formats on offer, as another program would list them.
    std::vector<CLIPFORMAT> formats;
    dataObject.BeginEnumFormats();
    FORMATETC formatEtc;
    while (dataObject.GetNextFormat(&formatEtc))
        formats.push_back(formatEtc.cfFormat);
    EXPECT_NE(std::find(formats.begin(), formats.end(), EntryFormat()), formats.end());
    dataObject.Release();

    // Replaced on the clipboard, the source goes.
    auto* pNext = new COleDataSource;
    pNext->CacheGlobalData(CF_TEXT, MakeText("neu"));
    pNext->SetClipboard();
    EXPECT_EQ(nDeleted, 1);
}

TEST_F(OleTest, ADropOnARegisteredViewReachesItsOnDrop)
{
    COleDropTarget target;
    ASSERT_TRUE(target.Register(m_pView));
    EXPECT_EQ(m_pView->m_pDropTarget, &target);

    auto* pSource = new COleDataSource;
    pSource->CacheGlobalData(EntryFormat(), MakeBlock("Gezogen", 7));
    IDropTarget* pTarget = target.GetIDropTarget();
    IDataObject* pData = pSource->GetIDataObject();
    CPoint ptScreen(40, 30);
    m_pView->ClientToScreen(&ptScreen);
    POINTL pt = { ptScreen.x, ptScreen.y };

    struct Step
    {
        DWORD dwKeyState;
        DWORD dwAllowed;
        DWORD dwExpected;
    };
    // The view asks for a move, or a copy with Ctrl; what the source does
    // not allow becomes the other one.
    const Step steps[] = {
        { MK_LBUTTON, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE },
        { MK_LBUTTON | MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY },
        { MK_LBUTTON, DROPEFFECT_COPY, DROPEFFECT_COPY },
        { MK_LBUTTON, DROPEFFECT_LINK, DROPEFFECT_NONE },
    };
    for (const Step& step : steps)
    {
        DWORD dwEffect = step.dwAllowed;
        EXPECT_EQ(pTarget->DragEnter(pData, step.dwKeyState, pt, &dwEffect), S_OK);
        EXPECT_EQ(dwEffect, step.dwExpected);
        dwEffect = step.dwAllowed;
        pTarget->DragOver(step.dwKeyState, pt, &dwEffect);
        EXPECT_EQ(dwEffect, step.dwExpected);
        EXPECT_EQ(m_pView->m_ptLast, CPoint(40, 30));
        pTarget->DragLeave();
    }
    EXPECT_EQ(m_pView->m_nEnters, 4);
    EXPECT_EQ(m_pView->m_nLeaves, 4);

    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pTarget->DragEnter(pData, MK_LBUTTON | MK_CONTROL, pt, &dwEffect);
    EXPECT_EQ(pTarget->Drop(pData, MK_CONTROL, pt, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, static_cast<DWORD>(DROPEFFECT_COPY));
    ASSERT_EQ(m_pView->m_dropped.size(), 1u);
    EXPECT_EQ(m_pView->m_dropped[0], "Gezogen");
    EXPECT_EQ(m_pView->m_lastEffect, static_cast<DROPEFFECT>(DROPEFFECT_COPY));

    // Data the view does not take is not dropped.
    auto* pText = new COleDataSource;
    pText->CacheGlobalData(CF_TEXT, MakeText("nur Text"));
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    pTarget->DragEnter(pText->GetIDataObject(), MK_LBUTTON, pt, &dwEffect);
    EXPECT_EQ(dwEffect, static_cast<DWORD>(DROPEFFECT_NONE));
    pTarget->Drop(pText->GetIDataObject(), 0, pt, &dwEffect);
    EXPECT_EQ(dwEffect, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(m_pView->m_dropped.size(), 1u);

    pText->InternalRelease();
    pSource->InternalRelease();
    // The view's window revokes the target when it goes.
    m_pView->DestroyWindow();
    EXPECT_EQ(target.GetRegisteredWindow(), nullptr);
}

TEST_F(OleTest, TheSystemsDragLoopDropsOnTheViewUnderTheMouse)
{
    COleDropTarget target;
    ASSERT_TRUE(target.Register(m_pView));
    CPoint ptScreen(150, 100);
    m_pView->ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);

    auto* pSource = new COleDataSource;
    pSource->CacheGlobalData(EntryFormat(), MakeBlock("Mit der Maus", 1));
    CDropAtOnce dropSource;
    DROPEFFECT dropEffect = pSource->DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, nullptr,
                                                &dropSource);
    pSource->InternalRelease();

    ASSERT_EQ(m_pView->m_dropped.size(), 1u);
    EXPECT_EQ(m_pView->m_dropped[0], "Mit der Maus");
    EXPECT_EQ(dropEffect, static_cast<DROPEFFECT>(DROPEFFECT_MOVE));
}

// A picture read through an archive, as the splash and the banner load
// theirs.
TEST_F(OleTest, PicturesLoadThroughAnArchiveStream)
{
    // A 4 x 2 bitmap of 24 bits.
    std::vector<BYTE> bmp(54 + 2 * 12, 0);
    auto* pFileHeader = reinterpret_cast<BITMAPFILEHEADER*>(bmp.data());
    pFileHeader->bfType = 0x4D42;
    pFileHeader->bfSize = static_cast<DWORD>(bmp.size());
    pFileHeader->bfOffBits = 54;
    auto* pInfo = reinterpret_cast<BITMAPINFOHEADER*>(bmp.data() + 14);
    pInfo->biSize = 40;
    pInfo->biWidth = 4;
    pInfo->biHeight = 2;
    pInfo->biPlanes = 1;
    pInfo->biBitCount = 24;

    std::vector<std::string> files = { std::string(reinterpret_cast<char*>(bmp.data()), bmp.size()) };
    if (const char* pszSource = getenv("QIV_SOURCE_DIR"))
    {
        // A JPEG photo, as the splash is.
        std::string path = std::string(pszSource) + "/third_party/libpng-src/pngbar.jpg";
        CFile jpeg;
        if (jpeg.Open(path.c_str(), CFile::modeRead | CFile::typeBinary))
        {
            std::string data(static_cast<size_t>(jpeg.GetLength()), '\0');
            jpeg.Read(&data[0], static_cast<UINT>(data.size()));
            files.push_back(data);
        }
    }
    for (const std::string& data : files)
    {
        CMemFile file(reinterpret_cast<BYTE*>(const_cast<char*>(data.data())),
                      static_cast<UINT>(data.size()));
        CArchive ar(&file, CArchive::load);
        CArchiveStream stream(&ar);
        IPicture* pPicture = nullptr;
        HRESULT hr = ::OleLoadPicture(&stream, static_cast<LONG>(data.size()), FALSE, IID_IPicture,
                                      reinterpret_cast<void**>(&pPicture));
        ASSERT_EQ(hr, S_OK) << data.size();
        OLE_XSIZE_HIMETRIC cx = 0;
        OLE_YSIZE_HIMETRIC cy = 0;
        pPicture->get_Width(&cx);
        pPicture->get_Height(&cy);
        EXPECT_GT(cx, 0);
        EXPECT_GT(cy, 0);
        pPicture->Release();
        ar.Close();
    }
}

} // namespace
