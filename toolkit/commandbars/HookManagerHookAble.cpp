#include "toolkit/commandbars/HookManagerHookAble.h"

#include "toolkit/commandbars/HookManager.h"
#include "toolkit/commandbars/KeyboardManager.h"

CXTPHookManagerHookAble::~CXTPHookManagerHookAble()
{
    XTPHookManager()->RemoveAll(this);
    if (CXTPKeyboardManager* pKeyboardManager = XTPKeyboardManagerIfMade())
        pKeyboardManager->RemoveHandler(this);
}
