// Item paths: the titles from below the root down to a node, joined by
// backslashes. The root is asked with QIV_ROOT_IDENTIFIER as prefix and
// hands its children an empty one, so its title never stands in a path.
//
// The walks keep one prefix string and, per open category, where to cut it
// back, so a deep tree costs one path's length, not one per level.
#include "model/QivItem.h"

#include "model/ItemWalk.h"

#include <string>
#include <vector>

namespace {

// prefix\title, or the title alone for an empty prefix.
CString Join(const CString& strPrefix, const CString& strTitle)
{
    return strPrefix.IsEmpty() ? strTitle : strPrefix + "\\" + strTitle;
}

// The prefix each node of a walk is handed: the caller's for the first
// chain, then what each category hands its children. One string grows and
// shrinks with the walk; each open category remembers where to cut it back.
class CPrefixTracker
{
public:
    explicit CPrefixTracker(const CString& strPrefix) : m_prefix(strPrefix.GetString(), strPrefix.GetLength()) {}

    CString Get() const { return CString(m_prefix.data(), static_cast<int>(m_prefix.size())); }

    // The path of a node handed the current prefix; a category handed the
    // root identifier is the root (or stands in its place): its title.
    CString PathOf(C_QivItem* pItem, C_QivCategory* pCategory) const
    {
        if (pCategory && IsRootIdentifier())
            return pItem->m_strTitle;
        return Join(Get(), pItem->m_strTitle);
    }

    // Called when a category is entered, after its own node was handled.
    void Enter(C_QivCategory* pCategory)
    {
        if (IsRootIdentifier()) {
            m_saved.push_back(nRootIdentifier);
            m_prefix.clear();
            return;
        }
        m_saved.push_back(m_prefix.size());
        if (!m_prefix.empty())
            m_prefix += '\\';
        m_prefix.append(pCategory->m_strTitle.GetString(), pCategory->m_strTitle.GetLength());
    }

    void Leave()
    {
        size_t nSaved = m_saved.back();
        m_saved.pop_back();
        if (nSaved == nRootIdentifier)
            m_prefix = QIV_ROOT_IDENTIFIER;
        else
            m_prefix.resize(nSaved);
    }

private:
    static constexpr size_t nRootIdentifier = static_cast<size_t>(-1);

    BOOL IsRootIdentifier() const { return m_prefix == QIV_ROOT_IDENTIFIER; }

    std::string m_prefix;
    std::vector<size_t> m_saved;
};

CString FindPath(C_QivItem* pFirst, const C_QivItem* pTarget, const CString& strPrefix)
{
    CPrefixTracker prefix(strPrefix);
    CQivTreeWalk walk(pFirst);
    while (walk.Next()) {
        C_QivCategory* pCategory = walk.GetCategory();
        if (walk.IsLeaving()) {
            prefix.Leave();
            continue;
        }
        if (walk.GetItem() == pTarget)
            return prefix.PathOf(walk.GetItem(), pCategory);
        if (pCategory)
            prefix.Enter(pCategory);
    }
    return CString();
}

void AddPaths(C_QivItem* pFirst, HWND hCombo, const CString& strPrefix)
{
    CPrefixTracker prefix(strPrefix);
    CQivTreeWalk walk(pFirst);
    while (walk.Next()) {
        C_QivItem* pItem = walk.GetItem();
        C_QivCategory* pCategory = walk.GetCategory();
        if (walk.IsLeaving()) {
            prefix.Leave();
            continue;
        }
        if (!pCategory) {
            ::SendMessageA(hCombo, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(Join(prefix.Get(), pItem->m_strTitle).GetString()));
            continue;
        }
        prefix.Enter(pCategory);
        if (!prefix.Get().IsEmpty())
            ::SendMessageA(hCombo, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>((prefix.Get() + "\\").GetString()));
    }
}

} // namespace

CString C_QivItem::GetPath(const C_QivItem* pTarget, const CString& strPrefix)
{
    return FindPath(this, pTarget, strPrefix);
}

CString C_QivCategory::GetPath(const C_QivItem* pTarget, const CString& strPrefix)
{
    return FindPath(this, pTarget, strPrefix);
}

void C_QivItem::AddPathsToComboBox(HWND hCombo, const CString& strPrefix)
{
    AddPaths(this, hCombo, strPrefix);
}

void C_QivCategory::AddPathsToComboBox(HWND hCombo, const CString& strPrefix)
{
    AddPaths(this, hCombo, strPrefix);
}
