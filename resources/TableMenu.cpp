#include "resources/TableMenu.h"

#include "platform/res.h"
#include "resources/resource.h"

namespace {

CMenuItemTemplate FileMenu()
{
    return MenuPopup("&File", {
        MenuItem(ID_FILE_NEWGAME, "&New Game"),
        MenuItem(ID_FILE_SELECTGAME, "S&elect Game"),
        // Nothing to replay before the first play of a deal.
        MenuItem(ID_FILE_REPLAYHAND, "Replay Hand", MF_GRAYED),
        MenuItem(ID_FILE_SAVEHAND, "&Save Hand"),
        MenuItem(ID_FILE_OPENHAND, "&Open Hand"),
        MenuPopup("Export", {MenuItem(ID_EXPORT_XML, "Xml")}),
        MenuPopup("Import", {
            MenuItem(ID_IMPORT_XML, "Xml"),
            MenuItem(ID_IMPORT_TIMESBRIDGE, "Times Bridge"),
        }),
        MenuItem(ID_FILE_SAVESTATS, "Save Stats"),
        MenuSeparator(),
        MenuItem(ID_FILE_QUIT, "&Quit"),
    });
}

CMenuItemTemplate OptionsMenu()
{
    return MenuPopup("&Options", {
        MenuItem(ID_OPTIONS_DUMMYOPEN, "&Dummy Open", MF_CHECKED),
        MenuPopup("Trainer", {
            MenuItem(ID_TRAINER_SHOWHANDS, "&Show Hands"),
            MenuItem(ID_TRAINER_MANUALNORTHSOUTH, "Manual Play North/South"),
            MenuItem(ID_TRAINER_MANUALEASTWEST, "Manual Play East/West"),
            MenuItem(ID_TRAINER_MANUALBIDDING, "&Manual Bidding"),
            MenuItem(ID_TRAINER_SHOWEXPLANATION, "Show &Whist Explanation"),
        }),
        // Only the bridge dialog with the auction enables it.
        MenuItem(ID_OPTIONS_CONVENTIONS, "&Conventions", MF_GRAYED),
        MenuItem(ID_OPTIONS_CARDPLAYOPTIONS, "Card play options"),
        MenuItem(ID_OPTIONS_AUTOSAVE, "Auto Save"),
    });
}

CMenuItemTemplate FunctionsMenu()
{
    return MenuPopup("Fu&nctions", {
        MenuItem(ID_FUNCTIONS_NEWDEAL, "&New Deal"),
        MenuItem(ID_FUNCTIONS_SHOWSCORE, "&Show Score"),
        MenuItem(ID_FUNCTIONS_SHOWBIDDING, "Show &Bidding"),
        MenuItem(ID_FUNCTIONS_PLAYFULLAUTO, "Play full auto"),
        MenuPopup("Rotate", {
            MenuItem(ID_ROTATE_ALL, "&All"),
            MenuItem(ID_ROTATE_HANDS, "&Hands"),
            MenuItem(ID_ROTATE_LEAD, "&Lead"),
        }),
    });
}

} // namespace

void RegisterTableMenu()
{
    CMenuTemplate menu;
    menu.nID = IDR_TABLE_MENU;
    menu.items = {
        FileMenu(),
        OptionsMenu(),
        FunctionsMenu(),
        MenuPopup("&Help", {MenuItem(ID_HELP_ABOUT, "&About")}),
    };
    AfxRegisterMenu(menu);
}
