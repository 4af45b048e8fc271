// CQivDoc: the card-file document. It owns the root category, reads and
// writes the card file (with the text view's content as its rich-text
// tail), keeps the optional backup copy, and counts unsaved edits of the
// note editor as modifications. The work itself is CQivCardFileStore's.
//
// CQivCntrItem: an object embedded in the rich text of the entry shown in
// the editor.
#pragma once

#include "framework/ui/OleClientItem.h"
#include "framework/ui/RichEditDoc.h"
#include "model/CardFileStore.h"

class C_QivCategory;
class CQivDoc;

class CQivCntrItem : public CRichEditCntrItem
{
    DECLARE_SERIAL(CQivCntrItem)
public:
    explicit CQivCntrItem(REOBJECT* preo = nullptr, CQivDoc* pContainer = nullptr);
    ~CQivCntrItem() override;
};

class CQivDoc : public CRichEditDoc
{
    DECLARE_DYNCREATE(CQivDoc)
public:
    CQivDoc();
    ~CQivDoc() override;

    // The root category; null until a card file is started or opened.
    C_QivCategory* GetRoot() const;
    // Takes pRoot and deletes the previous root.
    void ReplaceRoot(C_QivCategory* pRoot);
    // Hands the root to the caller; the document is left without one.
    C_QivCategory* DetachRoot();

    void Serialize(CArchive& ar) override;
    // The document's flag, else whether the shell's note editor reports
    // unsaved changes.
    BOOL IsModified() override;
    // Stores the flag and nothing else.
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    BOOL OnNewDocument() override;
    // Reads the card file into a new tree and replaces the root only when
    // that succeeded; file and archive exceptions reach the caller. FALSE
    // when a compound file has no readable "Contents" stream.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    // Makes the backup copy when "Backup" in "Settings" is "1", then saves.
    BOOL OnSaveDocument(LPCSTR lpszPathName) override;
    CRichEditCntrItem* CreateClientItem(REOBJECT* preo = nullptr) const override;

protected:
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);

    DECLARE_MESSAGE_MAP()

private:
    // The rich-edit control of the document's text view, or null.
    HWND GetTextViewWindow() const;

    CQivCardFileStore m_cardFile;
};
