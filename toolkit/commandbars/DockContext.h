// CXTPDockContext: what a dockable bar remembers of its places, the dock bar
// side and rectangle it was last docked at (also the place its dock bar
// wants it at in its row) and the screen position it last floated at.
// Each dockable bar owns one.
#pragma once

#include "framework/core/Geometry.h"

class CXTPCommandBar;

class CXTPDockContext
{
public:
    explicit CXTPDockContext(CXTPCommandBar* pBar);
    virtual ~CXTPDockContext() = default;
    CXTPDockContext(const CXTPDockContext&) = delete;
    CXTPDockContext& operator=(const CXTPDockContext&) = delete;

    CXTPCommandBar* GetBar() const { return m_pBar; }

    // The side last docked at (0 top, 1 bottom, 2 left, 3 right) and the
    // rectangle there, in the dock bar's client coordinates.
    int m_uMRUDockPosition;
    CRect m_rectMRUDockPos;
    // The screen position last floated at; 0 or below: none yet.
    CPoint m_ptMRUFloatPos;

protected:
    CXTPCommandBar* m_pBar;
};
