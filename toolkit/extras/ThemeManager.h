// The toolkit's small theme mechanism for its own windows (the splitter so
// far). One process-wide CXTThemeManager keeps one style factory per factory
// class; a themed window is a CXTThemeManagerStyleHost bound to a factory
// class, and asks the factory for the style object of the current theme,
// which holds the colours the window draws with.
//
// Factories link themselves into the manager's list when constructed and
// out of it when destroyed; the manager deletes every factory at exit, and a
// factory deletes its style. Hosts are windows: they bind at construction
// and unbind when destroyed.
#pragma once

#include "framework/core/Map.h"
#include "framework/core/Object.h"
#include "framework/core/ProcessLocal.h"
#include "framework/ui/Gdi.h"

class CDC;
class CWnd;
class CXTThemeManagerStyleFactory;
class CXTThemeManagerStyleHost;

// The colours and pictures of one themed look. Derived styles add their
// colours and fill them in RefreshColors.
class CXTThemeManagerStyle
{
public:
    CXTThemeManagerStyle();
    virtual ~CXTThemeManagerStyle();
    CXTThemeManagerStyle(const CXTThemeManagerStyle&) = delete;
    CXTThemeManagerStyle& operator=(const CXTThemeManagerStyle&) = delete;

    // Takes the colours again from the system (called when the style is
    // made and after system colour or setting changes).
    virtual void RefreshColors();
    // Copies the parent's pixels under pWnd, so that a transparent window
    // can paint them as its background. FALSE without a parent window.
    virtual BOOL CaptureParentBackground(CWnd* pWnd);
    // For a WS_EX_TRANSPARENT window: captures the parent's pixels and
    // copies them to (0, 0) of pDC at the window's client size.
    virtual BOOL DrawParentBackground(CDC* pDC, CWnd* pWnd);

    CXTThemeManagerStyleFactory* GetFactory() const { return m_pFactory; }
    int GetThemeId() const { return m_nTheme; }

protected:
    CXTThemeManagerStyleFactory* m_pFactory;
    int m_nTheme;
    CBitmap m_bmpParentBackground;

    friend class CXTThemeManagerStyleFactory;
};

// Makes the style of one kind of window for a theme id; one object per
// factory class in the process.
class CXTThemeManagerStyleFactory : public CObject
{
    DECLARE_DYNCREATE(CXTThemeManagerStyleFactory)
public:
    CXTThemeManagerStyleFactory();
    ~CXTThemeManagerStyleFactory() override;

    // The style for the manager's current theme, made on the first call.
    CXTThemeManagerStyle* GetStyle();
    // A new style for the theme id; the base makes none.
    virtual CXTThemeManagerStyle* MakeStyle(int nTheme);
    // Has the style take its colours again.
    virtual void RefreshStyle();

private:
    friend class CXTThemeManager;
    friend class CXTThemeManagerStyleHost;

    CXTThemeManagerStyle* m_pStyle;
    CXTThemeManagerStyleHost* m_pFirstHost;
    CXTThemeManagerStyleFactory* m_pNextFactory;
};

// Mix-in of a themed window: binds to the shared factory of a factory class
// (or to a private factory) and hands out its style.
class CXTThemeManagerStyleHost
{
public:
    explicit CXTThemeManagerStyleHost(CRuntimeClass* pFactoryClass);
    virtual ~CXTThemeManagerStyleHost();
    CXTThemeManagerStyleHost(const CXTThemeManagerStyleHost&) = delete;
    CXTThemeManagerStyleHost& operator=(const CXTThemeManagerStyleHost&) = delete;

    // A new object of the bound factory class (the caller owns it).
    virtual CXTThemeManagerStyleFactory* CreateFactoryObject();
    // Told when the style the host draws with changed.
    virtual void OnThemeChanged();

    // Binds to the shared factory of another class, leaving the old one.
    void SetFactoryClass(CRuntimeClass* pFactoryClass);
    // A factory used instead of the shared one (null goes back to the
    // shared one); bOwn makes the host delete it.
    void SetPrivateFactory(CXTThemeManagerStyleFactory* pFactory, BOOL bOwn);

    // The private factory's style when there is one, else the shared one's;
    // null when neither makes a style.
    CXTThemeManagerStyle* GetStyle() const;
    CXTThemeManagerStyleFactory* GetSharedFactory() const { return m_pSharedFactory; }

private:
    friend class CXTThemeManagerStyleFactory;

    void Bind(CXTThemeManagerStyleFactory* pFactory);
    void Unbind();
    void FreePrivateFactory();

    BOOL m_bOwnPrivateFactory;
    CRuntimeClass* m_pFactoryClass;
    CXTThemeManagerStyleFactory* m_pPrivateFactory;
    CXTThemeManagerStyleFactory* m_pSharedFactory;
    CXTThemeManagerStyleHost* m_pNextHost;
};

class CXTThemeManager : public CNoTrackObject
{
public:
    CXTThemeManager();
    ~CXTThemeManager() override;

    // The one factory of the class, made on the first request; null for a
    // class that is no dynamically creatable factory.
    CXTThemeManagerStyleFactory* GetFactory(CRuntimeClass* pFactoryClass);
    int GetTheme() const { return m_nTheme; }
    // Every live factory refreshes its style's colours.
    void RefreshAll();

private:
    friend class CXTThemeManagerStyleFactory;

    CMapPtrToPtr m_mapFactories;
    int m_nTheme;
    CXTThemeManagerStyleFactory* m_pFirstFactory;
};

// The process-wide theme manager, made on first use.
CXTThemeManager* GetThemeManager();
