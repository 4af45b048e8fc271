// Resource ids of the screenshot program's own resources (BarshotsRes.rc):
// the docking frame's menu, its customise window and its context menu.
#pragma once

#define IDR_DOCK_MENU 20400
#define IDD_DOCK_CUSTOMIZE 20401
// The customise window's menu for the control marked in customize mode.
#define ID_DOCK_CUSTOMIZE_DELETE 20410
#define ID_DOCK_CUSTOMIZE_BEGINGROUP 20411
