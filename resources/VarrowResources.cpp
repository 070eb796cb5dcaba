#include "resources/VarrowResources.h"

#include "platform/base/ids.h"
#include "platform/res.h"

namespace {

// A visible, sizable game window with a system menu and a minimise box; the game sets its
// caption and its outer size when it starts, so the template's are only a first guess (the
// size is the game's 640 x 442 pixels in dialog units).
constexpr DWORD GAME_WINDOW_STYLE = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                    WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr int TEMPLATE_WIDTH = 427;
constexpr int TEMPLATE_HEIGHT = 272;

} // namespace

void RegisterVarrowResources()
{
    CDialogTemplate window{IDD_VARROW, "Varrow and Malice", 0, 0, TEMPLATE_WIDTH,
                           TEMPLATE_HEIGHT, GAME_WINDOW_STYLE};
    window.nMenuID = IDR_VARROW_MENU;
    AfxRegisterDialogTemplate(window);

    CMenuTemplate menu;
    menu.nID = IDR_VARROW_MENU;
    menu.items = {
        MenuPopup("&Game", {MenuItem(ID_VARROW_NEW_GAME, "&New Game"), MenuSeparator(),
                            MenuItem(ID_VARROW_QUIT, "&Quit")}),
        MenuPopup("&Players", {MenuItem(ID_VARROW_PLAYER1_HUMAN, "Player1 Human", MF_CHECKED),
                               MenuItem(ID_VARROW_PLAYER2_HUMAN, "Player2 Human")}),
        MenuPopup("&Help", {MenuItem(ID_VARROW_HELP, "&Help"), MenuSeparator(),
                            MenuItem(ID_VARROW_ABOUT, "&About")}),
    };
    AfxRegisterMenu(menu);
}
