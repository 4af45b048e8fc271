// Resource ids of qivnotes.exe. Plain #defines only: the resource script
// includes this file as well as the C++ sources.
#pragma once

#include "framework/ui/AfxRes.h"
