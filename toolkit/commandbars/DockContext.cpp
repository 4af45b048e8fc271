#include "toolkit/commandbars/DockContext.h"

CXTPDockContext::CXTPDockContext(CXTPCommandBar* pBar)
    : m_uMRUDockPosition(0), m_rectMRUDockPos(0, 0, 0, 0), m_ptMRUFloatPos(0, 0), m_pBar(pBar)
{
}
