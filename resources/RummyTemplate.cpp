#include "resources/RummyTemplate.h"

#include "platform/res.h"
#include "resources/resource.h"

namespace {

// A game window: shown as soon as it is made, and sizable, since the table lays itself out
// for any client size.
constexpr DWORD RUMMY_WINDOW_STYLE = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                     WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

} // namespace

void RegisterRummyTemplate()
{
    // The window sets its own caption when it starts.
    CDialogTemplate rummy{IDD_RUMMY, "", 0, 0, 428, 276, RUMMY_WINDOW_STYLE};
    rummy.controls = {
        {IDC_PLAY, ControlKind::PushButton, "Rummy", 7, 7, 31, 14},
    };
    AfxRegisterDialogTemplate(rummy);
}
