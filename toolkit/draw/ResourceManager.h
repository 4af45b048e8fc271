// CXTPResourceManager: the one place through which the toolkit loads its own
// strings, menus, bitmaps, cursors and dialog templates, from the program's
// current resource module. One manager per process.
#pragma once

#include "framework/core/ProcessLocal.h"
#include "framework/core/String.h"

class CBitmap;
class CMenu;
class CToolBar;

class CXTPResourceManager : public CNoTrackObject
{
public:
    CXTPResourceManager();
    ~CXTPResourceManager() override;

    // Each answers FALSE or null when the resource does not exist.
    virtual BOOL LoadString(CString* pString, UINT nIDResource);
    virtual BOOL LoadMenu(CMenu* pMenu, UINT nIDResource);
    // The toolbar's own load, from the toolkit's module when one is set.
    virtual BOOL LoadToolBar(CToolBar* pToolBar, UINT nIDResource);
    virtual BOOL LoadBitmap(CBitmap* pBitmap, UINT nIDResource);
    virtual HCURSOR LoadCursor(UINT nIDResource);
    // The locked template of LoadDialogResource.
    virtual LPCDLGTEMPLATEA LoadDialogTemplate(UINT nIDResource);
    virtual HGLOBAL LoadDialogResource(LPCSTR lpszTemplateName);
    // Frees a held resource library; FALSE when none was held.
    virtual BOOL Close();

    // The string shown in a message box (empty when the id has none).
    int ShowMessage(UINT nIDMessage, UINT nType = MB_OK);

    // The toolkit's own resource module; the program sets none, so null.
    HMODULE GetResourceHandle() const { return m_hResourceFile; }

private:
    CXTPResourceManager(const CXTPResourceManager&) = delete;
    CXTPResourceManager& operator=(const CXTPResourceManager&) = delete;

    BOOL m_bValid;
    HMODULE m_hResourceFile;
};

// The process's resource manager, made on first use.
CXTPResourceManager* GetResourceManager();

// Put round the framework's own loads: while a toolkit resource module is set
// it is the framework's resource (and, when still unset, instance) handle.
class CResourceHandleScope
{
public:
    CResourceHandleScope();
    ~CResourceHandleScope();

private:
    CResourceHandleScope(const CResourceHandleScope&) = delete;
    CResourceHandleScope& operator=(const CResourceHandleScope&) = delete;

    HINSTANCE m_hOldResource;
    HINSTANCE m_hOldInstance;
    BOOL m_bSwitched;
};
