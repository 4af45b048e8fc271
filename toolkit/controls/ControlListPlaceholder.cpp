#include "toolkit/controls/ControlListPlaceholder.h"

#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/Controls.h"

CString FormatMenuItemCaption(LPCSTR lpszText, int nNumber)
{
    CString strText;
    for (LPCSTR p = lpszText ? lpszText : ""; *p; ++p)
    {
        if (::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1])
        {
            strText += p[0];
            strText += p[1];
            ++p;
            continue;
        }
        if (*p == '&')
            strText += '&';
        strText += *p;
    }
    CString strCaption;
    if (nNumber == 0)
        strCaption = strText;
    else if (nNumber == 10)
        strCaption.Format("1&0 %s", static_cast<LPCSTR>(strText));
    else if (nNumber > 9)
        strCaption.Format("%i %s", nNumber, static_cast<LPCSTR>(strText));
    else
        strCaption.Format("&%i %s", nNumber, static_cast<LPCSTR>(strText));
    return strCaption;
}

// --- Layout scope ----------------------------------------------------------------------------

CXTPLayoutChangeScope::CXTPLayoutChangeScope(CXTPCommandBar* pBar)
    : m_pBar(pBar), m_selected{nullptr, -1, 0}, m_popuped{nullptr, -1, 0},
      m_dwDirty(pBar ? pBar->GetDirtyFlags() : 0)
{
    if (!pBar)
        return;
    Keep(m_selected, pBar->GetSelectedIndex());
    Keep(m_popuped, pBar->GetPopupIndex());
}

CXTPLayoutChangeScope::~CXTPLayoutChangeScope()
{
    if (m_pBar)
        m_pBar->RestoreLayoutState(Restore(m_selected), Restore(m_popuped), m_dwDirty);
    for (Kept* pKept : {&m_selected, &m_popuped})
        if (pKept->pControl)
            pKept->pControl->InternalRelease();
}

void CXTPLayoutChangeScope::Keep(Kept& kept, int nIndex)
{
    kept.nIndex = nIndex;
    kept.pControl = m_pBar->GetControl(nIndex);
    if (!kept.pControl)
        return;
    kept.nId = kept.pControl->GetID();
    kept.pControl->InternalAddRef();
}

int CXTPLayoutChangeScope::Restore(const Kept& kept) const
{
    if (!kept.pControl)
        return -1;
    if (kept.pControl->GetParent() == m_pBar && m_pBar->GetControl(kept.pControl->GetIndex())
        == kept.pControl)
        return kept.pControl->GetIndex();
    CXTPControl* pAtPlace = m_pBar->GetControl(kept.nIndex);
    return pAtPlace && pAtPlace->GetID() == kept.nId ? kept.nIndex : -1;
}

// --- Items -----------------------------------------------------------------------------------

int RemoveListItems(CXTPControl* pPlaceholder, const std::function<BOOL(CXTPControl*)>& isItem)
{
    CXTPControls* pControls = pPlaceholder->GetControls();
    if (!pControls)
        return 0;
    int nRemoved = 0;
    for (;;)
    {
        CXTPControl* pNext = pControls->GetAt(pPlaceholder->GetIndex() + 1);
        // Items are always temporary: a control the user placed after the
        // placeholder is never taken for one, whatever its id.
        if (!pNext || !pNext->IsTemporary() || !isItem(pNext))
            return nRemoved;
        pControls->Remove(pNext);
        ++nRemoved;
    }
}

CXTPControl* InsertListItem(CXTPControl* pPlaceholder, int nIndex, int nId, LPCSTR lpszCaption,
                            LPCSTR lpszParameter)
{
    CXTPControls* pControls = pPlaceholder->GetControls();
    CXTPControl* pItem = pControls->Add(xtpControlButton, nId, lpszParameter, nIndex, TRUE);
    if (!pItem)
        return nullptr;
    pItem->SetCaption(lpszCaption);
    pItem->SetFlags(xtpFlagManualUpdate);
    return pItem;
}

BOOL IsPlaceholderCustomizing(const CXTPControl* pPlaceholder)
{
    CXTPCommandBar* pBar = pPlaceholder->GetParent();
    return pBar && pBar->IsCustomizeMode();
}
