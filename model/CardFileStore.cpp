#include "model/CardFileStore.h"

#include "framework/core/Archive.h"
#include "framework/core/OleStreamFile.h"
#include "framework/core/TemporaryFile.h"
#include "model/CardFile.h"
#include "model/QivItem.h"
#include "model/ShellServices.h"

#include <richedit.h>
#include <shellapi.h>

#include <algorithm>
#include <memory>
#include <new>
#include <string>

// Big enough that reading or writing a card file is a few large requests to
// the file system, not one for every few kilobytes.
const UINT QIV_CARD_FILE_BUFFER = 1 << 20;

namespace {

// Releases a COM interface when it goes out of scope.
template <class T>
class CReleaseOnExit
{
public:
    CReleaseOnExit() = default;
    ~CReleaseOnExit() { if (m_p) m_p->Release(); }
    CReleaseOnExit(const CReleaseOnExit&) = delete;
    CReleaseOnExit& operator=(const CReleaseOnExit&) = delete;
    T** operator&() { return &m_p; }
    T* Get() const { return m_p; }

private:
    T* m_p = nullptr;
};


// The buffer of a card-file archive. A process too short of memory for it
// refuses the file with the framework's memory exception, which is reported
// in German like any other refusal, and the open card file stays.
class CArchiveBuffer
{
public:
    CArchiveBuffer()
        : m_pBytes(new (std::nothrow) BYTE[QIV_CARD_FILE_BUFFER])
    {
        if (!m_pBytes)
            AfxThrowMemoryException();
    }
    BYTE* Get() const { return m_pBytes.get(); }

private:
    std::unique_ptr<BYTE[]> m_pBytes;
};

struct RootDeleter
{
    void operator()(C_QivCategory* pRoot) const { QivDeleteRoot(pRoot); }
};
using RootPtr = std::unique_ptr<C_QivCategory, RootDeleter>;

RootPtr ReadFrom(CFile& file, HWND hTextView)
{
    CArchiveBuffer buffer;
    CArchive ar(&file, CArchive::load, QIV_CARD_FILE_BUFFER, buffer.Get());
    RootPtr root(QivReadCardFile(ar, hTextView));
    ar.Close();
    return root;
}

} // namespace

CQivCardFileStore::CQivCardFileStore()
    : m_pRoot(nullptr)
{
}

CQivCardFileStore::~CQivCardFileStore()
{
    ReplaceRoot(nullptr);
}

C_QivCategory* CQivCardFileStore::GetRoot() const
{
    return m_pRoot;
}

void CQivCardFileStore::ReplaceRoot(C_QivCategory* pRoot)
{
    if (pRoot == m_pRoot)
        return;
    C_QivCategory* pOld = m_pRoot;
    m_pRoot = pRoot;
    if (pOld)
        QivDeleteRoot(pOld);
}

C_QivCategory* CQivCardFileStore::DetachRoot()
{
    C_QivCategory* pRoot = m_pRoot;
    m_pRoot = nullptr;
    return pRoot;
}

void CQivCardFileStore::StartNew()
{
    ReplaceRoot(new C_QivCategory("Notizen"));
    QivGetShellServices().CloseSearchWindow();
}

// The framework hands over an archive with the small default buffer; the
// card file goes through one of its own buffer size over the same file.
// Nothing is buffered when it starts, and closing it writes out what it
// holds or gives back what it read ahead, so the framework's archive goes
// on at the right place.
void CQivCardFileStore::Serialize(CArchive& ar, HWND hTextView)
{
    ar.Flush();
    CArchiveBuffer buffer;
    CArchive own(ar.GetFile(), ar.IsStoring() ? CArchive::store : CArchive::load, QIV_CARD_FILE_BUFFER,
                 buffer.Get());
    own.m_pDocument = ar.m_pDocument;
    if (ar.IsStoring())
        QivWriteCardFile(own, m_pRoot, hTextView);
    else
        ReplaceRoot(QivReadCardFile(own, hTextView));
    own.Close();
    ar.SetFormatVersion(own.GetFormatVersion());
}

BOOL CQivCardFileStore::Open(LPCSTR lpszPath, HWND hTextView)
{
    QivGetShellServices().CloseSearchWindow();
    std::wstring widePath = AfxAnsiToWide(lpszPath);
    RootPtr root;
    if (::StgIsStorageFile(widePath.c_str()) == S_OK) {
        CReleaseOnExit<IStorage> storage;
        if (FAILED(::StgOpenStorage(widePath.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE,
                                    nullptr, 0, &storage)))
            return FALSE;
        COleStreamFile file;
        if (!file.OpenStream(storage.Get(), "Contents", CFile::modeRead | CFile::shareExclusive))
            return FALSE;
        root = ReadFrom(file, hTextView);
        file.Close();
    } else {
        CFile file(lpszPath, CFile::modeRead | CFile::typeBinary);
        root = ReadFrom(file, hTextView);
        file.Close();
    }
    ReplaceRoot(root.release());
    return TRUE;
}

void CQivCardFileStore::Save(LPCSTR lpszPath, BOOL bBackup, HWND hTextView)
{
    if (bBackup)
        QivMakeBackupCopy(lpszPath);

    CString strTemp = AfxCreateTemporaryFileFor(lpszPath);
    if (strTemp.IsEmpty())
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszPath);
    try {
        CArchiveBuffer buffer;
        CFile file(strTemp, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite | CFile::shareExclusive
                                | CFile::typeBinary);
        {
            CArchive ar(&file, CArchive::store, QIV_CARD_FILE_BUFFER, buffer.Get());
            QivWriteCardFile(ar, m_pRoot, hTextView);
            ar.Close();
        }
        file.Close();
    } catch (...) {
        ::DeleteFileA(strTemp);
        throw;
    }
    if (!AfxReplaceWithTemporary(strTemp, lpszPath)) {
        DWORD dwError = ::GetLastError();
        ::DeleteFileA(strTemp);
        CFileException::ThrowOsError(static_cast<LONG>(dwError), lpszPath);
    }
}

BOOL CQivCardFileStore::IsEditorModified()
{
    HWND hEditor = QivGetShellServices().GetTextEditor();
    return hEditor && ::IsWindow(hEditor) && ::SendMessageA(hEditor, EM_GETMODIFY, 0, 0) != 0;
}

CString QivBackupPathOf(LPCSTR lpszPath)
{
    CString strPath = lpszPath;
    if (strPath.GetLength() < 3)
        return CString();
    return strPath.Left(strPath.GetLength() - 3) + "bak";
}

void QivMakeBackupCopy(LPCSTR lpszPath)
{
    CString strBackup = QivBackupPathOf(lpszPath);
    if (strBackup.IsEmpty() || ::GetFileAttributesA(lpszPath) == INVALID_FILE_ATTRIBUTES)
        return;
    // Both lists end with two NULs.
    std::string from(lpszPath);
    from.push_back('\0');
    std::string to(strBackup.GetString());
    to.push_back('\0');
    SHFILEOPSTRUCTA op = {};
    op.wFunc = FO_COPY;
    op.pFrom = from.c_str();
    op.pTo = to.c_str();
    op.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    ::SHFileOperationA(&op);
}
