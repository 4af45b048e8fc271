#include "toolkit/commandbars/HookManagerHookAble.h"

#include "toolkit/commandbars/HookManager.h"

CXTPHookManagerHookAble::~CXTPHookManagerHookAble()
{
    XTPHookManager()->RemoveAll(this);
}
