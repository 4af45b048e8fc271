// CXTPCommandBarAnimation: soft redraws of one command bar. When a part of
// the bar changes, the old picture of that part fades into the new one in
// six steps (one at once, five on the bar's 50-ms timer 707907); a cached
// picture of the whole bar answers a WM_PAINT that follows no change with
// one copy.
//
// The animation knows its bar only as a window and a paint callback (the
// bar's DrawCommandBar), plus an optional callback for the paint manager's
// animate-every-bar option. The bar calls RedrawRect from its Redraw,
// OnPaint from WM_PAINT and OnAnimate from WM_TIMER 707907.
#pragma once

#include "framework/ui/Dc.h"
#include "framework/ui/Wnd.h"

#include <functional>
#include <vector>

class CXTPCommandBarAnimation
{
public:
    using DrawFunc = std::function<void(CDC* pDC, const CRect& rcClip)>;
    using OptionFunc = std::function<BOOL()>;

    enum
    {
        TIMER_ID = 707907,
        TIMER_ELAPSE = 50,
        STEP_COUNT = 6
    };

    // One animated rectangle: its old and new pictures (32-bit bottom-up
    // DIB sections of its size), its place in the bar's client area, the
    // next step to draw (1..6), and the parts redrawn directly since it
    // started, which it must not paint over.
    class CAnimateInfo
    {
    public:
        CAnimateInfo(HDC hDC, const CRect& rect);
        ~CAnimateInfo();
        CAnimateInfo(const CAnimateInfo&) = delete;
        CAnimateInfo& operator=(const CAnimateInfo&) = delete;

        // The record again for a new fade of a rectangle of the same size.
        void Restart(const CRect& rect);

        BOOL IsValid() const
        {
            return m_hbmNew != nullptr && m_hbmOld != nullptr && m_hbmBlend != nullptr && m_hdcBlend != nullptr;
        }

        HBITMAP m_hbmNew;
        BYTE* m_pNewBits;
        HBITMAP m_hbmOld;
        BYTE* m_pOldBits;
        // The frame of a step, selected into its own DC for the whole fade.
        HBITMAP m_hbmBlend;
        BYTE* m_pBlendBits;
        HDC m_hdcBlend;
        HGDIOBJ m_hOldBlend;
        CRect m_rect;
        int m_nStep;
        std::vector<CRect> m_arrExclude;
    };

    CXTPCommandBarAnimation(CWnd* pWnd, DrawFunc fnDraw, OptionFunc fnOption = OptionFunc());
    virtual ~CXTPCommandBarAnimation();
    CXTPCommandBarAnimation(const CXTPCommandBarAnimation&) = delete;
    CXTPCommandBarAnimation& operator=(const CXTPCommandBarAnimation&) = delete;

    // Repaints a rectangle of the bar (null: all of it), fading from the old
    // picture when bAnimate is set and animation is on.
    void RedrawRect(LPCRECT lpRect, BOOL bAnimate);
    // WM_PAINT: pDC is the paint DC, rcPaint what needs painting.
    void OnPaint(CDC* pDC, const CRect& rcPaint);
    // One timer tick: every running animation draws its next step.
    void OnAnimate();
    // Drops every animation and stops the timer.
    void RemoveAll();
    // Drops the cached picture too (the window is gone or changed).
    void Reset();

    void EnableAnimation(BOOL bEnable) { m_bAnimation = bEnable; }
    BOOL IsAnimationEnabled() const { return m_bAnimation; }
    // Non-zero keeps the cached picture even while animation is off.
    void SetAnimationFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    DWORD GetAnimationFlags() const { return m_dwFlags; }
    // The switch or the paint manager's option.
    BOOL IsAnimationOn() const;

    INT_PTR GetAnimationCount() const { return static_cast<INT_PTR>(m_arrAnimations.size()); }
    const CAnimateInfo* GetAnimation(INT_PTR nIndex) const;
    BOOL HasCachedPicture() const { return m_hbmCache != nullptr; }
    CSize GetCachedSize() const { return m_sizeCache; }
    BOOL IsTimerRunning() const { return m_bTimer; }

    // Per 4-byte pixel, blue, green and red of the destination become
    // (new × weight + old × (255 − weight)) >> 8; the fourth byte is not
    // written.
    static void BlendPixels(BYTE* pDest, const BYTE* pOld, int nWidth, int nHeight,
                            const BYTE* pNew, int nWeight);

protected:
    // Where steps and direct redraws go: a DC of the bar's client area
    // (tests put a memory DC there).
    virtual HDC GetTargetDC();
    virtual void ReleaseTargetDC(HDC hDC);

private:
    CRect GetClientRect() const;
    void DeleteCache();
    // A new cached picture of the client size; FALSE when it can't be made.
    BOOL CreateCache(const CSize& size);
    // Rows of a rectangle (cache coordinates) between the cache and a
    // picture of the rectangle's size.
    void CopyFromCache(BYTE* pPicture, const CRect& rect) const;
    void CopyToCache(const BYTE* pPicture, const CRect& rect);
    // The bar's picture of rcClip painted into pDC, clipped to it.
    void DrawClipped(CDC* pDC, const CRect& rcClip);
    void StartAnimation(CAnimateInfo* pInfo);
    // A fade record for the rectangle: a retired one of its size when there
    // is one (its pictures and DC are reused), else a new one.
    CAnimateInfo* TakeRecord(const CRect& rect);
    // A finished or dropped fade keeps its record for the next one.
    void Retire(CAnimateInfo* pInfo);
    void DeleteSpareRecords();
    // Draws the record's step into the DC and moves it on.
    void DrawStep(CDC* pDC, CAnimateInfo* pInfo);
    void KillTimer();

    CWnd* m_pWnd;
    DrawFunc m_fnDraw;
    OptionFunc m_fnOption;
    HBITMAP m_hbmCache;
    BYTE* m_pCacheBits;
    CDC m_dcCache;   // holds the cached picture while there is one
    HGDIOBJ m_hOldCache;
    CSize m_sizeCache;
    BOOL m_bDirty;
    BOOL m_bTimer;
    BOOL m_bAnimation;
    DWORD m_dwFlags;
    std::vector<CAnimateInfo*> m_arrAnimations;
    std::vector<CAnimateInfo*> m_arrSpare;
    CDC m_dcDraw;   // where a redraw without a fade draws its picture
};
