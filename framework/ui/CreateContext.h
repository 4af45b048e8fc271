// CCreateContext: what a frame hands down while it builds its panes, so each
// new view knows its class, its document and the template they came from.
// It travels as the lpCreateParams of the view's creation.
#pragma once

#include "framework/core/AfxWin.h"

struct CRuntimeClass;
class CDocument;
class CDocTemplate;
class CView;
class CFrameWnd;

struct CCreateContext
{
    CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
    CDocTemplate* m_pNewDocTemplate = nullptr;
    // The view to make active when there is more than one (null: the first).
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};
