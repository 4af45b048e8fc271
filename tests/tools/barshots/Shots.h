// The parts of the screenshot program, each writing its PNG files under the
// output folder, appending its lines to the index and counting its shots
// and failures.
#pragma once

#include <string>

class CXTPImageManager;

class CXTPPaintManager;

// Per theme, scheme and styles state: every control kind in every state on
// each bar kind, whole bars and the open popups (ThemeShots.cpp); with
// bStylesOff only the native look, as "nativexp-stylesoff".
void ShootThemes(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex,
                 int& nShots, int& nFailed, bool bStylesOff);
// The docking frame with the theme: shots/<theme>/frame.png (menu bar, rows,
// dock areas, status bar), toolbar-whole.png and toolbar-floating.png
// (ThemeFrameShots.cpp).
void ShootThemeFrame(CXTPPaintManager* pPaintManager, CXTPImageManager* pImages,
                     const std::string& strThemeFolder, const char* pszTheme, std::string& strIndex,
                     int& nShots, int& nFailed);
// A shortened menu with its expand button, the same menu expanded, and a
// menu with its tear-off strip (ThemeFrameShots.cpp).
void ShootThemeMenus(CXTPPaintManager* pPaintManager, CXTPImageManager* pImages,
                     const std::string& strThemeFolder, const char* pszTheme, std::string& strIndex,
                     int& nShots, int& nFailed);
// Tab strips of every appearance and colour set (TabShots.cpp).
void ShootTabs(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed);
// The docking sample frame and its floating bar (ExtraShots.cpp).
void ShootDocking(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex,
                  int& nShots, int& nFailed);
// The menus of a dock row of three toolbars and the dock bar's toolbars
// menu, shot from the screen (DockRowMenuShots.cpp).
void ShootDockRowMenus(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex,
                       int& nShots, int& nFailed);
// The status bar, the splitter frame, the self-drawn tips and the shadows (ExtraShots.cpp).
void ShootExtras(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed);
// Text fields, the open combo list and galleries (FieldShots.cpp).
void ShootFields(const std::string& strFolder, std::string& strIndex, int& nShots, int& nFailed);
// The ribbon at full, reduced and scrolled widths, on a context tab,
// minimised and with the quick access row below (RibbonShots.cpp).
void ShootRibbon(const std::string& strFolder, CXTPImageManager* pImages, std::string& strIndex, int& nShots,
                 int& nFailed);
