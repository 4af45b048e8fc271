// CTipDlg: the tip of the day. It shows one tip at a time from "tipps.txt"
// beside the program (or a file the caller names), goes on where the last
// showing stopped (Tip\FilePos), starts again at the top when the file
// changed (Tip\TimeStamp), and offers to show a tip at every start
// (Tip\StartUp, 0 = show). With menu animation on, the bulb blinks and a
// new tip slides down into place.
#pragma once

#include "app/FlatButton.h"
#include "app/TipsFile.h"
#include "framework/ui/Dialog.h"
#include "framework/ui/Gdi.h"
#include "framework/ui/ImageList.h"

class CTipDlg : public CDialog
{
public:
    // lpszTipsFile null: "tipps.txt" in the program's folder.
    explicit CTipDlg(LPCSTR lpszCaption, CWnd* pParent = nullptr, LPCSTR lpszTipsFile = nullptr);
    ~CTipDlg() override;

    // TRUE when Tip\StartUp asks for a tip at start-up.
    static BOOL IsShownAtStartup();
    // The program folder's tips file.
    static CString DefaultTipsFile();

    const CString& GetTip() const { return m_strTip; }
    BOOL HasTipsFile() const { return m_file.IsOpen(); }
    int m_bStartup;

    // The commands of the button, the wheel and the context menu.
    void ShowNextTip();
    void ShowPreviousTip();
    void CopyTip();

    BOOL OnInitDialog() override;

    // Timer of the blinking bulb.
    static const UINT_PTR kBulbTimer = 1998;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    void ShowTip(BOOL bNext);
    CRect GetTipRect() const;
    void DrawTip(CDC* pDC, const CRect& rcArea, int nRaise) const;
    void DrawBulb(CDC* pDC, CPoint pt) const;
    void StartTipDrag();

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnNextTip();
    afx_msg void OnPreviousTip();
    afx_msg void OnCopy();

    CString m_strTip;
    CString m_strCaption;
    CTipsFile m_file;
    C_FlatButton m_buttonNext;
    C_FlatButton m_buttonClose;
    CBrush m_brushInfo;
    CFont m_fontTip;
    CFont m_fontHeading;
    CImageList m_bulbLit;
    CImageList m_bulbDark;
    BOOL m_bDarkBulb;
    BOOL m_bAnimateNextPaint;

    DECLARE_MESSAGE_MAP()
};
