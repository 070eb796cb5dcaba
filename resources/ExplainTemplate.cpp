#include "resources/ExplainTemplate.h"

#include "platform/res.h"

void RegisterExplainTemplate()
{
    // A hidden, resizable pop-up without caption text; the list is filled line by line and
    // keeps the order the lines were added in.
    CDialogTemplate explain{IDD_EXPLAIN_WHIST, "", 0, 0, 418, 81,
                            WS_POPUP | WS_CAPTION | WS_THICKFRAME};
    explain.controls = {
        {IDC_EXPLAIN_LIST, ControlKind::ListBox, "", 7, 7, 404, 67,
         WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT},
    };
    AfxRegisterDialogTemplate(explain);
}
