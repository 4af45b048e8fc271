// The framework's collections in one include: lists, arrays, maps and the
// string list.
#pragma once

#include "framework/core/Array.h"
#include "framework/core/List.h"
#include "framework/core/Map.h"
#include "framework/core/StringList.h"
