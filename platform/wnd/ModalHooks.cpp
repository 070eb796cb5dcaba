#include "platform/wnd/ModalHooks.h"

namespace plat {

namespace {

ModalIdleHook s_hook = nullptr;

} // namespace

ModalIdleHook SetModalIdleHook(ModalIdleHook hook)
{
    ModalIdleHook previous = s_hook;
    s_hook = hook;
    return previous;
}

void NotifyModalIdle(HWND hDialog)
{
    if (s_hook != nullptr)
        s_hook(hDialog);
}

} // namespace plat
