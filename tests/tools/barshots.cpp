// The screenshot program of the toolkit: renders every control of the bars in
// every state through each theme into PNG files, so that a person can look
// at the themes. It writes shots/<theme>/<bar>-<control>-<state>.png, each
// exactly the control's rectangle, tab strips of every appearance and
// colour set at each header position as shots/tabs/<appearance>-<colour>-
// <position>.png, the status bar, the splitter frame, the self-drawn tips and
// popup shadows as shots/extras/*.png, the text fields, the open combo list
// and galleries as shots/fields/*.png, and shots/index.csv listing them.
//
//   barshots [output folder]   (default: "shots" beside the program)
//   barshots --styles-off [output folder]   (run with visual styles off: the
//       native look as shots/nativexp-stylesoff, listed in index-stylesoff.csv)
//   barshots --app EXE FILE [output folder]   (the real program: AppShots.cpp)
//   barshots --frame [--state COMPANY APP] [--customize]   (the docking
//       sample to try; --customize opens its customise window at the start)
//
// The parts live in barshots/: per theme (ThemeShots), tab strips, extras
// and docking, text fields; ShotSupport holds what they share.
#include "barshots/DockSample.h"
#include "barshots/ShotSupport.h"
#include "barshots/Shots.h"
#include "framework/ui/WinApp.h"
#include "toolkit/draw/ImageManager.h"

#include "AppShots.h"

#include <stdio.h>
#include <string.h>

#include <string>

namespace {

std::string DefaultFolder()
{
    return ModulePathBeside("shots");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && strcmp(argv[1], "--app") == 0)
        return RunAppShots(argv[2], argv[3], argc > 4 ? argv[4] : DefaultFolder());
    // With visual styles off (a prefix of its own) only the native look.
    const bool bStylesOff = argc > 1 && strcmp(argv[1], "--styles-off") == 0;
    if (bStylesOff)
    {
        --argc;
        ++argv;
    }
    std::string strFolder = argc > 1 ? argv[1] : DefaultFolder();
    if (strFolder != "--frame")
        ::CreateDirectoryA(strFolder.c_str(), nullptr);

    CXTPImageManager* pImages = new CXTPImageManager;
    for (int nSize : {16, 32})
    {
        HICON hIcon = MakeIcon(nSize);
        pImages->SetIcon(CXTPImageManagerIconHandle(hIcon), ID_SHOT, nSize);
        ::DestroyIcon(hIcon);
    }

    // A frame a person can try: barshots --frame [--state COMPANY APP] [--customize].
    if (strFolder == "--frame")
    {
        CWinApp app("barshots");
        const char* pszCompany = nullptr;
        const char* pszApp = nullptr;
        bool bCustomize = false;
        for (int i = 2; i < argc; ++i)
        {
            if (strcmp(argv[i], "--state") == 0 && i + 2 < argc)
            {
                pszCompany = argv[++i];
                pszApp = argv[++i];
            }
            else if (strcmp(argv[i], "--customize") == 0)
            {
                bCustomize = true;
            }
        }
        const int nResult = CDockSampleFrame::Run(pszCompany, pszApp, bCustomize, pImages, ID_SHOT);
        pImages->InternalRelease();
        return nResult;
    }

    std::string strIndex = "name,type,style,bar position,states,caption,size\n";
    int nShots = 0, nFailed = 0;
    ShootThemes(strFolder, pImages, strIndex, nShots, nFailed, bStylesOff);
    if (!bStylesOff)
    {
        ShootDocking(strFolder, pImages, strIndex, nShots, nFailed);
        ShootDockRowMenus(strFolder, pImages, strIndex, nShots, nFailed);
        ShootTabs(strFolder, strIndex, nShots, nFailed);
        ShootExtras(strFolder, strIndex, nShots, nFailed);
        ShootFields(strFolder, strIndex, nShots, nFailed);
        ShootRibbon(strFolder, pImages, strIndex, nShots, nFailed);
    }
    pImages->InternalRelease();

    std::string strIndexPath = strFolder + (bStylesOff ? "\\index-stylesoff.csv" : "\\index.csv");
    FILE* pIndex = fopen(strIndexPath.c_str(), "wb");
    if (!pIndex)
        return 1;
    fwrite(strIndex.data(), 1, strIndex.size(), pIndex);
    fclose(pIndex);
    printf("barshots: %d shots in %s\n", nShots, strFolder.c_str());
    return nFailed == 0 ? 0 : 1;
}
