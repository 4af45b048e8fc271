#include "app/History.h"

#include "model/QivItem.h"

void CQivHistory::Reset(HTREEITEM hRoot)
{
    m_items.assign(1, hRoot);
    m_nPosition = 0;
}

void CQivHistory::Record(HTREEITEM hItem)
{
    if (m_nPosition >= 0 && m_nPosition < static_cast<int>(m_items.size()) && m_items[m_nPosition] == hItem)
        return;
    ++m_nPosition;
    if (m_nPosition < 0 || m_nPosition > static_cast<int>(m_items.size()))
        m_nPosition = static_cast<int>(m_items.size());
    m_items.resize(m_nPosition);
    m_items.push_back(hItem);
}

BOOL CQivHistory::CanGoBack() const
{
    return m_nPosition > 0;
}

BOOL CQivHistory::CanGoForward() const
{
    return m_nPosition + 1 < static_cast<int>(m_items.size());
}

BOOL CQivHistory::Go(int nStep, C_QivCategory* pRoot, const std::function<void(HTREEITEM)>& select)
{
    int nTarget = m_nPosition + nStep;
    while (nTarget >= 0 && nTarget < static_cast<int>(m_items.size())
           && (!pRoot || !pRoot->FindItem(m_items[nTarget]))) {
        m_items.erase(m_items.begin() + nTarget);
        if (nStep < 0) {
            --m_nPosition;
            --nTarget;
        }
    }
    if (nTarget < 0 || nTarget >= static_cast<int>(m_items.size()))
        return FALSE;
    m_nPosition = nTarget;
    // Selecting raises the selection change, which would record it again.
    const std::vector<HTREEITEM> items = m_items;
    const int nPosition = m_nPosition;
    select(m_items[m_nPosition]);
    m_items = items;
    m_nPosition = nPosition;
    return TRUE;
}
