// The program's entry: makes a file-size limit fail saves rather than end the program, fills
// the resource table and the launcher's game table, then runs the application object.

#include "app/GameFactory.h"
#include "app/MainDlg.h"
#include "app/VarrowApp.h"
#include "bridge/table/BidWhistDlg.h"
#include "bridge/table/DummyDlg.h"
#include "nettable/MauMauDlg.h"
#include "platform/file/FileSizeSignal.h"
#include "resources/Resources.h"
#include "resources/VarrowResources.h"
#include "resources/resource.h"
#include "rummy/RummyDlg.h"
#include "varrow/VarrowDlg.h"

// The one application object; AfxWinMain runs it.
CVarrowApp theApp;

namespace {

// Tells the launcher which window each of its game commands opens: a game joins the suite
// with one CGameFactory::Register line here, naming its command, its template and a maker.
// Commands without a line open nothing.
void RegisterGames()
{
    CGameFactory::Register(ID_GAME_RUMMY, IDD_RUMMY,
                           [](CMainDlg* p) -> CGameDlg* { return new CRummyDlg(p, p); });
    CGameFactory::Register(ID_GAME_VARROW, IDD_VARROW,
                           [](CMainDlg* p) -> CGameDlg* { return new CVarrowDlg(p, p); });
    CGameFactory::Register(ID_GAME_NETWORK, IDD_VARROW,
                           [](CMainDlg* p) -> CGameDlg* { return new CMauMauDlg(p, p); });
    CGameFactory::Register(ID_GAME_DUMMY, IDD_GAME_TABLE,
                           [](CMainDlg* p) -> CGameDlg* { return new CDummyDlg(p, p); });
    CGameFactory::Register(ID_FILE_PLAYBRIDGE, IDD_GAME_TABLE,
                           [](CMainDlg* p) -> CGameDlg* { return new CBidWhistDlg(p, p); });
}

} // namespace

int main(int argc, char** argv)
{
    plat::IgnoreFileSizeSignal();
    RegisterAllResources();
    RegisterGames();
    return AfxWinMain(argc, argv);
}
