// The process-wide holder of the optional style module: a resource module
// beside the program ("Styles\Office2007Blue.dll") whose "TEXTFILE" resource
// holds named colours by section and key (16-bit text, INI-like), and whose
// image resources are looked up by name and kept once loaded.
//
// The module is optional: without it every colour lookup answers 0xFFFFFFFF
// (no colour) and every image lookup answers null, and the themes fall back
// to their own colours.
#pragma once

#include "framework/core/Map.h"
#include "framework/core/String.h"

class CXTPOffice2007Image;

class CXTPOffice2007StyleResources
{
public:
    // Looks for style text in the program itself, then loads the style
    // module beside the program. Tests may build their own object; the
    // program uses the one of GetOffice2007StyleResources.
    CXTPOffice2007StyleResources();
    ~CXTPOffice2007StyleResources();

    // Loads the module file; when it cannot be loaded, the program's own
    // resources are used instead.
    void LoadStyleModule(LPCSTR lpszPath, LPCSTR lpszTextName = nullptr);
    // Switches to the module and its style text (default name
    // "OFFICE2007BLUE_INI"); FALSE when no style text was found (the module
    // is held all the same). bOwnsModule: freed with FreeLibrary later.
    BOOL SetHandle(HMODULE hModule, LPCSTR lpszTextName = nullptr, BOOL bOwnsModule = FALSE);

    BOOL IsLoaded() const;
    HMODULE GetModule() const { return m_hModule; }
    const CString& GetModulePath() const { return m_strModulePath; }

    // The value of the key in the first section of that name; empty when
    // there is none.
    CString GetValue(LPCSTR lpszSection, LPCSTR lpszKey) const;
    // The "red green blue" value as a colour, 0xFFFFFFFF when absent.
    COLORREF LookupColor(LPCSTR lpszSection, LPCSTR lpszKey) const;

    // The image of that name, owned by this object and valid until the next
    // successful SetHandle; null when it cannot be loaded.
    CXTPOffice2007Image* GetImage(LPCSTR lpszName);
    void RemoveAllImages();

private:
    CXTPOffice2007StyleResources(const CXTPOffice2007StyleResources&) = delete;
    CXTPOffice2007StyleResources& operator=(const CXTPOffice2007StyleResources&) = delete;

    CXTPOffice2007Image* LoadImage(LPCSTR lpszName);

    CString m_strModulePath;
    HMODULE m_hModule;
    const WCHAR* m_pTextStart;
    const WCHAR* m_pTextEnd;
    BOOL m_bOwnsModule;
    CMapStringToPtr m_mapImages;
};

// The one object of the process, made on first use.
CXTPOffice2007StyleResources* GetOffice2007StyleResources();
