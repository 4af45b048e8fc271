// CRichEditDoc: the document of a rich-edit view. Its contents are the
// control's text: Serialize streams the view's whole text out and in, as
// rich text (m_bRTF, the default) or as plain text, straight through the
// archive. Embedded objects live in that text; the document makes an item
// for each object the control reports (CreateClientItem) and drops the
// items of objects that are gone.
#pragma once

#include "framework/ui/OleDocument.h"

#include <richedit.h>
#include <richole.h>

class CCmdUI;
class CRichEditCntrItem;
class CRichEditView;

class CRichEditDoc : public COleServerDoc
{
    DECLARE_DYNAMIC(CRichEditDoc)
public:
    ~CRichEditDoc() override;

    // The document's rich-edit view, null when it has none.
    virtual CRichEditView* GetView() const;
    // The item for an object of the control; the program's document makes
    // one of its own item class.
    virtual CRichEditCntrItem* CreateClientItem(REOBJECT* preo = nullptr) const = 0;
    // The item of lpObject, made (CreateClientItem) when there is none yet.
    CRichEditCntrItem* LookupItem(LPOLEOBJECT lpObject) const;
    CRichEditCntrItem* GetItemFor(REOBJECT& reo);
    // Deletes the items of objects the control no longer holds.
    void DeleteUnusedItems();

    // SF_RTF or SF_TEXT.
    int GetStreamFormat() const;

    // Stores or loads the view's whole text (nothing without a view).
    void Serialize(CArchive& ar) override;
    // Also empties the view.
    void DeleteContents() override;
    BOOL OnNewDocument() override;
    // Modified: the document's flag, or the control reports changes.
    BOOL IsModified() override;
    // Clearing the flag also clears the control's.
    void SetModifiedFlag(BOOL bModified = TRUE) override;

    BOOL m_bRTF = TRUE;

    // ---- OLE container commands ----
    afx_msg void OnEditLinks();
    afx_msg void OnUpdateEditLinksMenu(CCmdUI* pCmdUI);
    afx_msg void OnUpdateObjectVerbMenu(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditConvertMenu(CCmdUI* pCmdUI);

protected:
    CRichEditDoc();

    DECLARE_MESSAGE_MAP()
};
