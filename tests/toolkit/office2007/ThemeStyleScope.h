// The process-wide style resources with the theme test module loaded, or
// with none; at the end the program's own resources (no style text) again.
#pragma once

#include "StyleModules.h"
#include "toolkit/draw/Office2007StyleResources.h"

class CThemeStyleScope
{
public:
    explicit CThemeStyleScope(bool bLoad)
    {
        if (bLoad)
            GetOffice2007StyleResources()->LoadStyleModule(StyleModulePath("ThemeStyleModule.dll"));
        else
            Unload();
    }
    ~CThemeStyleScope() { Unload(); }
    CThemeStyleScope(const CThemeStyleScope&) = delete;
    CThemeStyleScope& operator=(const CThemeStyleScope&) = delete;

private:
    // Switching to a module without style text keeps the images already
    // loaded, so they go too.
    static void Unload()
    {
        GetOffice2007StyleResources()->SetHandle(::GetModuleHandleA(nullptr));
        GetOffice2007StyleResources()->RemoveAllImages();
    }
};
