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
            GetOffice2007StyleResources()->SetHandle(::GetModuleHandleA(nullptr));
    }
    ~CThemeStyleScope() { GetOffice2007StyleResources()->SetHandle(::GetModuleHandleA(nullptr)); }
    CThemeStyleScope(const CThemeStyleScope&) = delete;
    CThemeStyleScope& operator=(const CThemeStyleScope&) = delete;
};
