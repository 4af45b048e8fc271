// The three small buttons at the far end of a tab header: scroll left,
// scroll right and close. The paint manager places them during the layout
// (from the last to the first, each taking its room from the header's far
// end) and draws them after the tabs; the tab manager hands them mouse
// moves, clicks and tooltip requests.
#pragma once

#include "framework/core/Geometry.h"
#include "framework/core/String.h"

#include "toolkit/extras/TabManager.h"

class CDC;
class CWnd;

class CXTPTabManagerNavigateButton
{
public:
    CXTPTabManagerNavigateButton(CXTPTabManager* pManager, int nID, int nFlags);
    virtual ~CXTPTabManagerNavigateButton() = default;

    // The header length left once this button took its room.
    virtual int AdjustWidth(int nLength);
    // The press loop; returns when the button is released or the loop ends.
    virtual void PerformClick(CWnd* pWnd, CPoint point);
    // Takes the button's place from the far end of rcHeader.
    virtual void Reposition(CRect& rcHeader);
    virtual void DrawEntry(CDC* pDC, CRect rc) = 0;
    // bTick: one step while held (the arrows scroll); else the release.
    virtual void OnExecute(BOOL bTick);

    void Draw(CDC* pDC);
    void PerformMouseMove(CWnd* pWnd, CPoint point);
    CString GetTooltip() const { return m_strToolTip; }
    void SetTooltip(LPCSTR lpszText) { m_strToolTip = lpszText; }

    int GetID() const { return m_nID; }
    int GetFlags() const { return m_nFlags; }
    void SetFlags(int nFlags) { m_nFlags = nFlags; }
    CRect GetRect() const { return m_rcButton; }
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    BOOL IsPressed() const { return m_bPressed; }
    BOOL IsHighlighted() const { return m_bHot; }
    BOOL IsVisible() const { return !m_rcButton.IsRectEmpty(); }
    // For layouts without a header (the stack of bars).
    void Hide() { m_rcButton.SetRectEmpty(); }
    CXTPTabManager* GetTabManager() const { return m_pManager; }

    // 14 along a horizontal header, 15 along a vertical one.
    static const int BUTTON_WIDTH = 14;
    static const int BUTTON_HEIGHT = 15;
    // Milliseconds between two steps while an arrow is held.
    static const DWORD TICK_INTERVAL = 20;

protected:
    // The arrows' shared placement: hidden in multi-row and size-to-fit
    // layouts and when everything fits.
    void RepositionArrow(CRect& rcHeader);
    // TRUE when the tabs reach past the header (less nReserve pixels).
    BOOL IsHeaderOverflowing(const CRect& rcHeader, int nReserve) const;

    CXTPTabManager* m_pManager;
    int m_nID;
    int m_nFlags;
    int m_nWidth = BUTTON_WIDTH;
    int m_nHeight = BUTTON_HEIGHT;
    CRect m_rcButton;
    BOOL m_bEnabled = TRUE;
    BOOL m_bPressed = FALSE;
    BOOL m_bHot = FALSE;
    CString m_strToolTip;

private:
    CXTPTabManagerNavigateButton(const CXTPTabManagerNavigateButton&) = delete;
    CXTPTabManagerNavigateButton& operator=(const CXTPTabManagerNavigateButton&) = delete;
};

class CXTPTabManager::CNavigateButtonArrow : public CXTPTabManagerNavigateButton
{
public:
    using CXTPTabManagerNavigateButton::CXTPTabManagerNavigateButton;
    int AdjustWidth(int nLength) override;
};

class CXTPTabManager::CNavigateButtonArrowLeft : public CNavigateButtonArrow
{
public:
    explicit CNavigateButtonArrowLeft(CXTPTabManager* pManager);
    void Reposition(CRect& rcHeader) override;
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bTick) override;
};

class CXTPTabManager::CNavigateButtonArrowRight : public CNavigateButtonArrow
{
public:
    explicit CNavigateButtonArrowRight(CXTPTabManager* pManager);
    void Reposition(CRect& rcHeader) override;
    void DrawEntry(CDC* pDC, CRect rc) override;
    void OnExecute(BOOL bTick) override;
};

class CXTPTabManager::CNavigateButtonClose : public CXTPTabManagerNavigateButton
{
public:
    explicit CNavigateButtonClose(CXTPTabManager* pManager);
    void DrawEntry(CDC* pDC, CRect rc) override;
};
