#pragma once
// Message boxes: a small modal dialog with the text (tabs expanded, line ends honoured), an
// optional icon and OK or OK and Cancel (Yes and No). The caption defaults to the
// application's name. The owner (without one, as for a dialog: CDialog::Create) is disabled
// meanwhile.

#include "platform/base/ids.h"
#include "platform/base/types.h"

namespace plat {

// Runs a message box owned by hOwner's top-level window; returns IDOK, IDCANCEL, IDYES or
// IDNO.
int RunMessageBox(HWND hOwner, LPCTSTR szText, LPCTSTR szCaption, UINT nType);

} // namespace plat

// A message box owned by the window the person works in (as a dialog without a parent is),
// captioned with the application's name.
int AfxMessageBox(LPCTSTR szText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with string resource nIDPrompt as the text.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = UINT(-1));
