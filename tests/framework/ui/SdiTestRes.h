// Resources of the single-document test program.
#pragma once

#define IDR_SDITEST 27200
#define IDR_SDITEST_TOOLBAR 27201
#define ID_SDITEST_BOLD 27210
#define ID_SDITEST_NOHANDLER 27211
