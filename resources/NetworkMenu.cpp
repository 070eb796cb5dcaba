#include "resources/NetworkMenu.h"

#include "platform/res.h"
#include "resources/resource.h"

void RegisterNetworkMenu()
{
    CMenuTemplate menu;
    menu.nID = IDR_NETWORK_MENU;
    menu.items = {
        MenuPopup("File", {MenuItem(ID_NETWORK_CONNECT, "Connect"),
                           MenuItem(ID_FILE_NEWGAME, "New Game")}),
    };
    AfxRegisterMenu(menu);
}
