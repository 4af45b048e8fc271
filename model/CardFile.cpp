#include "model/CardFile.h"

#include "framework/core/Archive.h"
#include "framework/core/Exceptions.h"
#include "framework/ui/RichEditSafeRtf.h"
#include "model/CardGraph.h"
#include "model/QivItem.h"
#include "model/ShellServices.h"

#include <richedit.h>
#include <string.h>
#include <memory>

const char QIV_CARD_FILE_MAGIC[8] = { 'Q', 'i', 'v', 'n', 'o', 't', 'e', 's' };

namespace {

WORD g_wLastFormatVersion = QIV_FORMAT_VERSION;

const WORD wVersion1_0 = 0x0001;

// Files of 1.40 and later carry the viewer-only flag after the version.
BOOL VersionHasViewerFlag(WORD wVersion)
{
    BYTE nMajor = LOBYTE(wVersion);
    BYTE nMinor = HIBYTE(wVersion);
    return nMajor >= 2 || (nMajor == 1 && nMinor >= 40);
}

void ReadFromFile(CArchive& ar, void* pBuf, UINT nBytes)
{
    if (ar.GetFile()->Read(pBuf, nBytes) != nBytes)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
}

// Reads the header straight from the file, before the archive has buffered
// anything, and sets the archive's format version from it.
void ReadHeader(CArchive& ar)
{
    CFile* pFile = ar.GetFile();
    char magic[sizeof(QIV_CARD_FILE_MAGIC)] = {};
    UINT nRead = pFile->Read(magic, sizeof(magic));
    if (nRead != sizeof(magic) || memcmp(magic, QIV_CARD_FILE_MAGIC, sizeof(magic)) != 0) {
        pFile->Seek(0, CFile::begin);
        ar.SetFormatVersion(wVersion1_0);
        g_wLastFormatVersion = wVersion1_0;
        return;
    }
    WORD wVersion = 0;
    ReadFromFile(ar, &wVersion, sizeof(wVersion));
    ar.SetFormatVersion(wVersion);
    g_wLastFormatVersion = wVersion;
    if (VersionHasViewerFlag(wVersion)) {
        WORD wViewerOnly = 0;
        ReadFromFile(ar, &wViewerOnly, sizeof(wViewerOnly));
        if (wViewerOnly != 0) {
            AfxCoreMessageBox("Diese Datei kann nur mit dem Qivnotes-Reader geöffnet werden!", MB_OK);
            AfxThrowArchiveException(CArchiveException::none);
        }
    }
}

// Carries an archive through the rich-edit control's stream callback. An
// exception must not unwind through the control, so it is parked here and
// raised again once the control has returned.
struct StreamCookie
{
    CArchive* pArchive;
    CException* pException;
};

DWORD CALLBACK StreamOutCallback(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    StreamCookie* pCookie = reinterpret_cast<StreamCookie*>(dwCookie);
    try {
        pCookie->pArchive->Write(pbBuff, static_cast<UINT>(cb));
        *pcb = cb;
        return 0;
    } catch (CException* e) {
        pCookie->pException = e;
        *pcb = 0;
        return 1;
    }
}

void StreamEditorOut(CArchive& ar, HWND hEditor)
{
    StreamCookie cookie = { &ar, nullptr };
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&cookie);
    es.pfnCallback = StreamOutCallback;
    ::SendMessageA(hEditor, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
    if (cookie.pException)
        throw cookie.pException;
}

HWND LiveWindow(HWND hWnd)
{
    return (hWnd && ::IsWindow(hWnd)) ? hWnd : nullptr;
}

// The whole read of QivReadCardFile.
C_QivCategory* ReadCardFile(CArchive& ar, HWND hTextView)
{
    ReadHeader(ar);
    // A tree refers to no node twice (the records refuse such references),
    // so the archive only numbers the nodes instead of keeping each.
    BOOL bOnce = ar.GetObjectsOnce();
    ar.SetObjectsOnce(TRUE);
    // The root is read as the archive would read any object, but owned
    // here from the start, so siblings a damaged file gives it are freed
    // with it.
    UINT nSchema = 0;
    DWORD dwObTag = 0;
    CRuntimeClass* pClass = ar.ReadClass(RUNTIME_CLASS(C_QivCategory), &nSchema, &dwObTag);
    if (!pClass)
        AfxThrowArchiveException(dwObTag ? CArchiveException::badIndex : CArchiveException::badClass,
                                 ar.m_strFileName);
    std::unique_ptr<C_QivCategory, void (*)(C_QivCategory*)> root(
        static_cast<C_QivCategory*>(pClass->CreateObject()), QivDeleteRoot);
    if (!root)
        AfxThrowMemoryException();
    ar.MapObject(root.get());
    root->Serialize(ar);
    ar.SetObjectsOnce(bOnce);

    // What the editor now holds is what the file holds: not an unsaved edit.
    if (HWND hView = LiveWindow(hTextView)) {
        // A file is outside input: the editor gets its rich text only as
        // far as it can read it.
        AfxStreamInSafely(hView, AfxReadRestOfArchive(ar), SF_RTF);
        ::SendMessageA(hView, EM_SETMODIFY, FALSE, 0);
    }
    QivGetShellServices().PlaySoundEvent("ProcessComplete");
    return root.release();
}

} // namespace

WORD QivGetLastFormatVersion()
{
    return g_wLastFormatVersion;
}

void QivWriteCardFile(CArchive& ar, C_QivCategory* pRoot, HWND hTextView)
{
    CQivShellServices& shell = QivGetShellServices();
    HWND hEditor = LiveWindow(shell.GetTextEditor());
    if (hEditor && ::SendMessageA(hEditor, EM_GETMODIFY, 0, 0)) {
        shell.StoreCurrentEntryText();
        ::SendMessageA(hEditor, EM_SETMODIFY, FALSE, 0);
    }

    ar.Write(QIV_CARD_FILE_MAGIC, sizeof(QIV_CARD_FILE_MAGIC));
    g_wLastFormatVersion = QIV_FORMAT_VERSION;
    ar.SetFormatVersion(QIV_FORMAT_VERSION);
    ar << QIV_FORMAT_VERSION;
    ar << static_cast<WORD>(0);   // not viewer-only
    // A tree holds each node once, so the archive need not remember which
    // nodes it has written; it only numbers them.
    BOOL bOnce = ar.GetObjectsOnce();
    ar.SetObjectsOnce(TRUE);
    ar.WriteObject(pRoot);
    ar.SetObjectsOnce(bOnce);

    if (HWND hView = LiveWindow(hTextView))
        StreamEditorOut(ar, hView);
    shell.PlaySoundEvent("ProcessComplete");
}

C_QivCategory* QivReadCardFile(CArchive& ar, HWND hTextView)
{
    // A file of millions of small items can ask for more memory than the
    // process has: that refuses the file like any other damage, as long as
    // the thread can still throw once the heap is exhausted.
    AfxInitThreadExceptions();
    return AfxCallWithMemoryException([&] { return ReadCardFile(ar, hTextView); });
}

void QivDeleteRoot(C_QivCategory* pRoot)
{
    C_QivItem* pItem = pRoot;
    while (pItem) {
        C_QivItem* pNext = pItem->m_pNext;
        pItem->m_pNext = nullptr;
        delete pItem;
        pItem = pNext;
    }
}
