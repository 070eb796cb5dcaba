#pragma once
// The common file dialog as every file command of the bridge tables runs it: no initial
// name, the read-only box hidden, a prompt before overwriting, and the chosen folder left
// current, so that the returned name (without its folder) opens relative to it.

#include "platform/base/CString.h"
#include "platform/base/types.h"

class CWnd;

enum class FileDialogKind { Open, Save };

// Shows the dialog with the default extension szDefExt and the filter szFilter
// ("Description (*.ext)|*.ext||"). The chosen file's name and extension, or the empty text
// after Cancel.
CString AskTableFileName(CWnd* pParent, FileDialogKind kind, LPCTSTR szDefExt, LPCTSTR szFilter);
