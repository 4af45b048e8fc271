#include "model/QivDoc.h"

#include "framework/core/Archive.h"
#include "framework/ui/AfxRes.h"
#include "framework/ui/AppGlobals.h"
#include "framework/ui/CmdUI.h"
#include "framework/ui/RichEditView.h"
#include "framework/ui/WinApp.h"

IMPLEMENT_SERIAL(CQivCntrItem, CRichEditCntrItem, 0)

CQivCntrItem::CQivCntrItem(REOBJECT* preo, CQivDoc* pContainer)
    : CRichEditCntrItem(preo, pContainer)
{
}

CQivCntrItem::~CQivCntrItem() = default;

IMPLEMENT_DYNCREATE(CQivDoc, CRichEditDoc)

BEGIN_MESSAGE_MAP(CQivDoc, CRichEditDoc)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
END_MESSAGE_MAP()

CQivDoc::CQivDoc() = default;

CQivDoc::~CQivDoc() = default;

C_QivCategory* CQivDoc::GetRoot() const
{
    return m_cardFile.GetRoot();
}

void CQivDoc::ReplaceRoot(C_QivCategory* pRoot)
{
    m_cardFile.ReplaceRoot(pRoot);
}

C_QivCategory* CQivDoc::DetachRoot()
{
    return m_cardFile.DetachRoot();
}

HWND CQivDoc::GetTextViewWindow() const
{
    CRichEditView* pView = GetView();
    return pView ? pView->GetRichEditCtrl().GetSafeHwnd() : nullptr;
}

void CQivDoc::Serialize(CArchive& ar)
{
    m_cardFile.Serialize(ar, GetTextViewWindow());
}

BOOL CQivDoc::IsModified()
{
    return CDocument::IsModified() || CQivCardFileStore::IsEditorModified();
}

void CQivDoc::SetModifiedFlag(BOOL bModified)
{
    CDocument::SetModifiedFlag(bModified);
}

BOOL CQivDoc::OnNewDocument()
{
    if (!CRichEditDoc::OnNewDocument())
        return FALSE;
    m_cardFile.StartNew();
    return TRUE;
}

BOOL CQivDoc::OnOpenDocument(LPCSTR lpszPathName)
{
    if (!m_cardFile.Open(lpszPathName, GetTextViewWindow()))
        return FALSE;
    // What is shown now is what the file holds.
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CQivDoc::OnSaveDocument(LPCSTR lpszPathName)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->GetProfileString("Settings", "Backup", "0") == "1")
        QivMakeBackupCopy(lpszPathName);
    return CRichEditDoc::OnSaveDocument(lpszPathName);
}

CRichEditCntrItem* CQivDoc::CreateClientItem(REOBJECT* preo) const
{
    return new CQivCntrItem(preo, const_cast<CQivDoc*>(this));
}

void CQivDoc::OnUpdateFileSave(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsModified());
}
