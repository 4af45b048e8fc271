// CXTPRibbonQuickAccessControls: the controls of the ribbon's quick access
// row. Each is also a control of the ribbon bar (inserted before the quick
// access button, so the bar lays it out, hit-tests and draws it); this list
// holds a reference of its own and gives the row its order. Its exchange
// is that of a control collection, made for the purpose.
#pragma once

#include "framework/ui/CmdTarget.h"

#include <vector>

class CXTPControl;
class CXTPPropExchange;
class CXTPRibbonBar;

class CXTPRibbonQuickAccessControls : public CCmdTarget
{
public:
    explicit CXTPRibbonQuickAccessControls(CXTPRibbonBar* pRibbonBar) : m_pRibbonBar(pRibbonBar) {}
    ~CXTPRibbonQuickAccessControls() override;

    int GetCount() const { return static_cast<int>(m_arrControls.size()); }
    CXTPControl* GetAt(int nIndex) const;
    BOOL Contains(const CXTPControl* pControl) const;
    // The first control of the id and type, null when none.
    CXTPControl* Find(int nType, int nID) const;
    // Takes over the caller's reference; the control joins the bar too.
    CXTPControl* Add(CXTPControl* pControl);
    // A copy of the control at the end, visible and without a separator.
    CXTPControl* AddCopy(CXTPControl* pControl);
    // The control leaves the row and the bar.
    void Remove(CXTPControl* pControl);
    void RemoveAll();
    void DoPropExchange(CXTPPropExchange* pPX);

private:
    friend class CXTPRibbonControls;
    // The bar let go of the control: it leaves the list.
    void OnRemovedFromBar(CXTPControl* pControl);

    CXTPRibbonBar* m_pRibbonBar;
    std::vector<CXTPControl*> m_arrControls;
};
