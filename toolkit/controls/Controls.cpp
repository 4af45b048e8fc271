// The collection's bookkeeping: insertion, removal, lookups, navigation,
// duplicates and comparison, and its persistence. The factory is in
// ControlsFactory.cpp, the layout in ControlsLayout.cpp.
#include "toolkit/controls/Controls.h"

#include "framework/core/Exceptions.h"
#include "toolkit/commandbars/CommandBar.h"
#include "toolkit/commandbars/CommandBarsState.h"
#include "toolkit/commandbars/PropExchange.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/ControlAction.h"

#include <memory>

IMPLEMENT_DYNCREATE(CXTPControls, CCmdTarget)

CXTPControls::CXTPControls()
    : m_pParent(nullptr), m_pCommandBars(nullptr), m_pOriginalControls(nullptr)
{
}

CXTPControls::~CXTPControls()
{
    RemoveAll();
    ClearOriginalControls();
}

CXTPControl* CXTPControls::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return nullptr;
    return m_arrControls[nIndex];
}

CXTPCommandBars* CXTPControls::GetCommandBars() const
{
    return m_pParent ? m_pParent->GetCommandBars() : m_pCommandBars;
}

void CXTPControls::SetParent(CXTPCommandBar* pParent)
{
    m_pParent = pParent;
    if (GetCount() > 0)
        RefreshIndexes();
}

void CXTPControls::RefreshIndexes()
{
    for (int i = 0; i < GetCount(); ++i)
    {
        CXTPControl* pControl = m_arrControls[i];
        pControl->SetIndex(i);
        pControl->SetControls(this);
        pControl->SetParent(m_pParent);
    }
    if (m_pParent)
        m_pParent->ResetSelection();
}

void CXTPControls::OnControlAdded(CXTPControl* /*pControl*/)
{
    RefreshIndexes();
}

void CXTPControls::OnControlRemoved(CXTPControl* pControl)
{
    pControl->SetControls(nullptr);
    pControl->SetParent(nullptr);
    pControl->OnRemoved();
    RefreshIndexes();
}

// --- Insertion and removal --------------------------------------------------------------

CXTPControl* CXTPControls::InsertAt(CXTPControl* pControl, int nBefore)
{
    if (nBefore < 0 || nBefore >= GetCount())
        m_arrControls.Add(pControl);
    else
        m_arrControls.InsertAt(nBefore, pControl);
    OnControlAdded(pControl);
    return pControl;
}

CXTPControl* CXTPControls::AddCopy(CXTPControl* pControl, int nBefore, BOOL bRecursive)
{
    return InsertAt(pControl->Clone(bRecursive), nBefore);
}

CXTPControl* CXTPControls::DetachAt(int nIndex)
{
    CXTPControl* pControl = m_arrControls[nIndex];
    m_arrControls.RemoveAt(nIndex);
    return pControl;
}

void CXTPControls::Remove(CXTPControl* pControl)
{
    if (!pControl || pControl->GetControls() != this)
        return;
    int nIndex = pControl->GetIndex();
    if (nIndex < 0 || nIndex >= GetCount() || m_arrControls[nIndex] != pControl
        || IsFixedControl(pControl))
        return;
    if (m_pParent && m_pParent->GetSelectedIndex() == nIndex)
        m_pParent->SetSelected(-1);
    DetachAt(nIndex);
    OnControlRemoved(pControl);
    pControl->InternalRelease();
}

void CXTPControls::RemoveAt(int nIndex)
{
    if (CXTPControl* pControl = GetAt(nIndex))
        Remove(pControl);
}

void CXTPControls::RemoveAll()
{
    for (int i = GetCount() - 1; i >= 0; --i)
    {
        CXTPControl* pControl = m_arrControls[i];
        if (IsFixedControl(pControl))
            continue;
        DetachAt(i);
        OnControlRemoved(pControl);
        pControl->InternalRelease();
    }
}

// --- Lookups ------------------------------------------------------------------------------

CXTPControl* CXTPControls::FindControl(int nId) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (m_arrControls[i]->GetID() == nId)
            return m_arrControls[i];
    return nullptr;
}

CXTPControl* CXTPControls::FindControl(int nType, int nId, BOOL bVisible, BOOL bRecursive) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        CXTPControl* pControl = m_arrControls[i];
        BOOL bMatch = (nType == 0 || pControl->GetType() == nType)
                      && (nId == -1 || pControl->GetID() == nId)
                      && (!bVisible || pControl->IsVisible());
        if (bMatch)
            return pControl;
        int nControlType = pControl->GetType();
        BOOL bPopup = nControlType == xtpControlPopup || nControlType == xtpControlButtonPopup
                      || nControlType == xtpControlSplitButtonPopup;
        if (bRecursive && bPopup && pControl->GetCommandBar())
            if (CXTPControl* pFound = pControl->GetCommandBar()->GetControls()->FindControl(
                    nType, nId, bVisible, bRecursive))
                return pFound;
    }
    return nullptr;
}

CXTPControl* CXTPControls::HitTest(CPoint point) const
{
    for (int i = 0; i < GetCount(); ++i)
    {
        CXTPControl* pControl = m_arrControls[i];
        if (pControl->IsVisible() && pControl->GetRect().PtInRect(point))
            return pControl;
    }
    return nullptr;
}

int CXTPControls::GetVisibleCount(BOOL bIgnoreWrap) const
{
    int nCount = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (m_arrControls[i]->IsVisibleExcept(bIgnoreWrap ? 0 : xtpHideWrap))
            ++nCount;
    return nCount;
}

namespace {

// A popup whose sub-bar has nothing visible to open.
BOOL IsEmptyPopup(CXTPControl* pControl)
{
    int nType = pControl->GetType();
    if (nType != xtpControlPopup && nType != xtpControlButtonPopup
        && nType != xtpControlSplitButtonPopup)
        return FALSE;
    CXTPCommandBar* pSubBar = pControl->GetCommandBar();
    return !pSubBar || pSubBar->GetControls()->GetVisibleCount() == 0;
}

} // namespace

int CXTPControls::GetNext(int nStart, int nStep, BOOL bSkipFocus, BOOL bSkipTemporary,
                          BOOL bKeepScrolled, BOOL bSkipEmptyPopups) const
{
    int nCount = GetCount();
    if (nCount == 0 || (nStep != 1 && nStep != -1))
        return -1;
    DWORD dwAllowed = bKeepScrolled ? xtpHideScroll : xtpHideScroll | xtpHideExpand;
    BOOL bFromNone = nStart < 0 || nStart >= nCount;
    int nIndex = bFromNone ? (nStep > 0 ? 0 : nCount - 1) : nStart + nStep;
    BOOL bWrapped = FALSE;
    // Each index is visited at most once, then the walk returns to the start.
    for (int nVisited = 0; nVisited <= nCount; ++nVisited)
    {
        if (nIndex >= nCount || nIndex < 0)
        {
            if (bWrapped || bFromNone)
                return -1;
            bWrapped = TRUE;
            nIndex = nIndex >= nCount ? 0 : nCount - 1;
        }
        if (!bFromNone && nIndex == nStart)
            return nStart;
        CXTPControl* pControl = m_arrControls[nIndex];
        BOOL bSkip = !pControl->IsVisibleExcept(dwAllowed)
                     || (bSkipFocus && (pControl->GetFlags() & xtpFlagSkipFocus))
                     || (bSkipTemporary && pControl->IsTemporary())
                     || (bSkipEmptyPopups && IsEmptyPopup(pControl));
        if (!bSkip)
            return nIndex;
        nIndex += nStep;
    }
    return -1;
}

// --- Copies and comparison --------------------------------------------------------------------

CXTPControls* CXTPControls::Duplicate(BOOL bRecursive) const
{
    CXTPControls* pCopy = static_cast<CXTPControls*>(GetRuntimeClass()->CreateObject());
    pCopy->m_pCommandBars = GetCommandBars();
    for (int i = 0; i < GetCount(); ++i)
        if (!m_arrControls[i]->IsTemporary())
            pCopy->InsertAt(m_arrControls[i]->Clone(bRecursive), -1);
    if (m_pOriginalControls)
        pCopy->m_pOriginalControls = m_pOriginalControls->Duplicate(bRecursive);
    return pCopy;
}

void CXTPControls::ClearOriginalControls()
{
    if (m_pOriginalControls)
        m_pOriginalControls->InternalRelease();
    m_pOriginalControls = nullptr;
}

void CXTPControls::CreateOriginalControls()
{
    ClearOriginalControls();
    m_pOriginalControls = Duplicate(TRUE);
}

BOOL CXTPControls::Compare(const CXTPControls* pOther) const
{
    if (!pOther)
        return FALSE;
    int i = 0, j = 0;
    for (;;)
    {
        while (i < GetCount() && m_arrControls[i]->IsTemporary())
            ++i;
        while (j < pOther->GetCount() && pOther->m_arrControls[j]->IsTemporary())
            ++j;
        BOOL bEnd = i >= GetCount();
        BOOL bOtherEnd = j >= pOther->GetCount();
        if (bEnd || bOtherEnd)
            return bEnd && bOtherEnd;
        if (!m_arrControls[i]->IsEqual(pOther->m_arrControls[j]))
            return FALSE;
        ++i;
        ++j;
    }
}

BOOL CXTPControls::IsChanged() const
{
    return !m_pOriginalControls || !m_pOriginalControls->Compare(this);
}

// --- Persistence ---------------------------------------------------------------------------

void CXTPControls::DoPropExchange(CXTPPropExchange* pPX)
{
    std::unique_ptr<CXTPPropExchangeEnumerator> pEnumerator(pPX->GetEnumerator("Control"));
    if (pPX->IsStoring())
    {
        DWORD nCount = 0;
        for (int i = 0; i < GetCount(); ++i)
            if (!m_arrControls[i]->IsTemporary())
                ++nCount;
        POSITION pos = pEnumerator->GetPosition(nCount);
        for (int i = 0; i < GetCount() && pos; ++i)
        {
            CXTPControl* pControl = m_arrControls[i];
            if (pControl->IsTemporary())
                continue;
            CXTPPropExchange* pSection = pEnumerator->GetNext(pos);
            CObject* pObject = pControl;
            ExchangeRuntimeClass(pSection, pObject, RUNTIME_CLASS(CXTPControl));
            pControl->DoPropExchange(pSection);
            pSection->InternalRelease();
        }
    }
    else
    {
        RemoveAll();
        POSITION pos = pEnumerator->GetPosition(0);
        while (pos)
        {
            CXTPPropExchange* pSection = pEnumerator->GetNext(pos);
            CObject* pObject = nullptr;
            if (!ExchangeRuntimeClass(pSection, pObject, RUNTIME_CLASS(CXTPControl)) || !pObject)
            {
                // The rest of the stream can't be placed without this control.
                pSection->InternalRelease();
                AfxThrowArchiveException(CArchiveException::badClass);
            }
            CXTPControl* pControl = static_cast<CXTPControl*>(pObject);
            pControl->SetControls(this);
            pControl->DoPropExchange(pSection);
            InsertAt(pControl, -1);
            pSection->InternalRelease();
        }
        RefreshIndexes();
    }
    if (pPX->IsLoading() && pPX->GetSchema() <= 2)
        return;

    // The original controls go along unless the caller's parameters say not to.
    const XTP_COMMANDBARS_PROPEXCHANGE_PARAM* pParams = GetExchangeParams(pPX);
    BOOL bOriginal = m_pOriginalControls != nullptr
        && (!pParams || pParams->bSaveOriginalControls);
    ExchangeBoolProperty(pPX, "OriginalControls", bOriginal, FALSE);
    if (bOriginal)
    {
        if (pPX->IsLoading())
        {
            ClearOriginalControls();
            m_pOriginalControls = new CXTPControls;
            m_pOriginalControls->m_pCommandBars = GetCommandBars();
        }
        CXTPPropExchange* pSection = pPX->GetSection("OriginalControls");
        m_pOriginalControls->DoPropExchange(pSection);
        pSection->InternalRelease();
    }
    // Older versions stored a further set of controls here; it is read past.
    BOOL bCustomized = FALSE;
    ExchangeBoolProperty(pPX, "CustomizedControls", bCustomized, FALSE);
    if (pPX->IsLoading() && bCustomized)
    {
        CXTPControls* pDropped = new CXTPControls;
        pDropped->m_pCommandBars = GetCommandBars();
        CXTPPropExchange* pSection = pPX->GetSection("CustomizedControls");
        try
        {
            pDropped->DoPropExchange(pSection);
        }
        catch (...)
        {
            pSection->InternalRelease();
            pDropped->InternalRelease();
            throw;
        }
        pSection->InternalRelease();
        pDropped->InternalRelease();
    }
}
