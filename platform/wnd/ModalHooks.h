#pragma once
// Hooks of the modal loops, for the test driver: it answers message boxes and file dialogs
// and runs dialog scripts when a modal loop first has nothing to do.

#include "platform/base/types.h"

namespace plat {

// Called by modal loops (dialogs, message boxes, file dialogs) whenever their queue has run
// dry, with the dialog's window.
typedef void (*ModalIdleHook)(HWND hDialog);
// Installs the hook (nullptr: none) and returns the previous one.
ModalIdleHook SetModalIdleHook(ModalIdleHook hook);
void NotifyModalIdle(HWND hDialog);

// Window ids (template ids) of the layer's own dialogs.
constexpr UINT IDD_LAYER_MESSAGEBOX = 0xFF01;
constexpr UINT IDD_LAYER_FILEDIALOG = 0xFF02;

} // namespace plat
