// Resources of the single-document test program.
#pragma once

#define IDR_SDITEST 27200
