// The control wrappers in one include.
#pragma once

#include "framework/ui/Button.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/Edit.h"
#include "framework/ui/ListBox.h"
#include "framework/ui/ListCtrl.h"
#include "framework/ui/ProgressCtrl.h"
#include "framework/ui/ReBarCtrl.h"
#include "framework/ui/RichEditCtrl.h"
#include "framework/ui/SpinButtonCtrl.h"
#include "framework/ui/Static.h"
#include "framework/ui/ToolTipCtrl.h"
#include "framework/ui/TreeCtrl.h"
