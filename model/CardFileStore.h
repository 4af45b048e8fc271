// The card-file document's work without the document/view machinery: it
// owns the root category, starts new card files, opens (plain or compound
// files) and saves them. The document class forwards to it.
//
// Opening reads into a new tree and replaces the root only when the whole
// file was read, so a damaged or refused file leaves the open card file as
// it was. Saving writes a temporary file beside the card file and puts it in
// the card file's place only once it is complete, so a failed save never
// destroys the previous file (see framework/core/TemporaryFile.h).
#pragma once

#include "framework/core/String.h"

class CArchive;
class C_QivCategory;

// The buffer size of the archives that read and write card files on disk.
extern const UINT QIV_CARD_FILE_BUFFER;

class CQivCardFileStore
{
public:
    CQivCardFileStore();
    ~CQivCardFileStore();
    CQivCardFileStore(const CQivCardFileStore&) = delete;
    CQivCardFileStore& operator=(const CQivCardFileStore&) = delete;

    C_QivCategory* GetRoot() const;
    // Takes pRoot (may be null) and deletes the previous root.
    void ReplaceRoot(C_QivCategory* pRoot);
    // Hands the root to the caller; the store is left without one.
    C_QivCategory* DetachRoot();

    // A new card file: one root category "Notizen". Closes the search
    // window, whose results point into the old tree.
    void StartNew();

    // Storing writes the card file; loading reads one and replaces the root
    // once the read succeeded. hTextView is the rich-edit control of the
    // document's text view, whose content is the file's rich-text tail;
    // null for a document without one.
    void Serialize(CArchive& ar, HWND hTextView = nullptr);

    // Closes the search window, then reads the card file at lpszPath: the
    // "Contents" stream of a compound file, else the plain file. FALSE when
    // a compound file or its stream cannot be opened; a plain file that
    // cannot be opened and a damaged card file raise the framework's file
    // and archive exceptions. Every file opened here is closed again.
    BOOL Open(LPCSTR lpszPath, HWND hTextView = nullptr);

    // Writes the card file to lpszPath. With bBackup, first copies the
    // existing file to its backup path (failures ignored). Raises the
    // framework's file and archive exceptions; then lpszPath is unchanged.
    void Save(LPCSTR lpszPath, BOOL bBackup, HWND hTextView = nullptr);

    // TRUE when the editor of the shell's text view holds unsaved changes.
    static BOOL IsEditorModified();

private:
    C_QivCategory* m_pRoot;
};

// The backup copy of a card file: its path with the last three characters
// replaced by "bak" (x.qiv -> x.bak); empty for paths shorter than that.
CString QivBackupPathOf(LPCSTR lpszPath);
// Copies the file to its backup path, silently; nothing when it is missing.
void QivMakeBackupCopy(LPCSTR lpszPath);
