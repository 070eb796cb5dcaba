#include "resources/ShellResources.h"

#include "platform/base/ids.h"
#include "platform/gdi.h"
#include "platform/res.h"
#include "resources/CardImages.h"
#include "resources/resource.h"

namespace {

// Dialog frames: the launcher and the game windows can be sized and minimised, the
// modal boxes cannot.
constexpr DWORD RESIZABLE_WINDOW_STYLE =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD MODAL_BOX_STYLE = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

void RegisterAboutBox()
{
    CDialogTemplate about{IDD_ABOUTBOX, "About OrvelBridge", 0, 0, 232, 143,
                          MODAL_BOX_STYLE | DS_CENTER};
    about.controls = {
        {IDC_STATIC, ControlKind::Icon, "#128", 14, 14, 21, 20},
        {IDC_STATIC, ControlKind::Static, "OrvelBridge", 46, 14, 170, 8},
        {IDC_STATIC, ControlKind::Static, "Version 1.2b", 46, 26, 170, 8},
        {IDC_STATIC, ControlKind::Static, "Rubber bridge with computer partners", 46, 50, 178, 8},
        {IDC_STATIC, ControlKind::Static, "Rummy, Gin and Varrow and Malice", 46, 62, 178, 8},
        {IDC_STATIC, ControlKind::Static, "A network card table for four", 46, 74, 178, 8},
        {IDOK, ControlKind::DefPushButton, "OK", 175, 122, 50, 14},
    };
    AfxRegisterDialogTemplate(about);
}

void RegisterCardOptions()
{
    CDialogTemplate options{IDD_CARD_OPTIONS, "Card options", 0, 0, 158, 69,
                            MODAL_BOX_STYLE | DS_CENTER};
    options.controls = {
        {IDC_STATIC, ControlKind::Static, "Card Delay", 7, 10, 44, 8},
        {IDC_CARD_DELAY, ControlKind::Edit, "", 52, 8, 40, 12, ES_AUTOHSCROLL},
        {IDOK, ControlKind::DefPushButton, "OK", 101, 7, 50, 14},
        {IDCANCEL, ControlKind::PushButton, "Cancel", 101, 25, 50, 14},
    };
    AfxRegisterDialogTemplate(options);
}

void RegisterLauncher()
{
    CDialogTemplate launcher{IDD_MAIN, "OrvelBridge", 0, 0, 184, 92, RESIZABLE_WINDOW_STYLE};
    launcher.nMenuID = IDR_MAIN_MENU;
    AfxRegisterDialogTemplate(launcher);

    CMenuTemplate menu;
    menu.nID = IDR_MAIN_MENU;
    menu.items = {
        MenuPopup("&File", {MenuItem(ID_FILE_PLAYBRIDGE, "Play &Bridge")}),
        MenuPopup("Options", {MenuItem(ID_OPTIONS_CARDOPTIONS, "Card Options")}),
        MenuPopup("Help", {MenuItem(ID_HELP_ABOUT, "About")}),
    };
    AfxRegisterMenu(menu);
}

void RegisterGameTable()
{
    CDialogTemplate table{IDD_GAME_TABLE, "Dialog", 0, 0, 372, 266,
                          RESIZABLE_WINDOW_STYLE | WS_VISIBLE};
    table.controls = {
        {IDC_PLAY, ControlKind::PushButton, "Play", 7, 7, 50, 14},
    };
    AfxRegisterDialogTemplate(table);
}

// The icon: two overlapping cards, a red heart on the back one and a black spade on the
// front one, on the table's green. It is opaque, so it looks the same at every size.
constexpr COLORREF ICON_CARD = RGB(255, 255, 255);
constexpr COLORREF ICON_EDGE = RGB(0, 0, 0);
constexpr COLORREF ICON_RED = RGB(200, 0, 0);
constexpr COLORREF ICON_BLACK = RGB(0, 0, 0);

void DrawIconCard(CDC& dc, const CRect& rect)
{
    dc.FillSolidRect(&rect, ICON_EDGE);
    CRect rectFace = rect;
    rectFace.DeflateRect(1, 1);
    dc.FillSolidRect(&rectFace, ICON_CARD);
}

// A heart (or, upside down, the body of a spade) centred on (x, y), about 9 pixels wide.
void DrawIconHeart(CDC& dc, double x, double y, bool bUpsideDown, COLORREF color)
{
    const double dir = bUpsideDown ? -1.0 : 1.0;
    dc.FillSolidEllipse(x - 2.2, y - dir * 1.8, 2.4, 2.4, color);
    dc.FillSolidEllipse(x + 2.2, y - dir * 1.8, 2.4, 2.4, color);
    const CPointF tip[] = {{x - 4.5, y - dir * 1.0}, {x + 4.5, y - dir * 1.0}, {x, y + dir * 4.5}};
    dc.FillSolidPolygon(tip, 3, color);
}

void RegisterIcon()
{
    CBitmap bitmap;
    bitmap.CreateBitmap(ICON_SIZE, ICON_SIZE);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* pOld = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, ICON_SIZE, ICON_SIZE, TABLE_COLOR);
    dc.SetEdgeMode(EdgeMode::Smooth);

    DrawIconCard(dc, CRect(1, 1, 20, 26));
    DrawIconHeart(dc, 7.5, 8.0, false, ICON_RED);
    DrawIconCard(dc, CRect(13, 6, 31, 31));
    DrawIconHeart(dc, 22.0, 17.0, true, ICON_BLACK);
    const CPointF stem[] = {{22.0, 19.0}, {24.5, 25.0}, {19.5, 25.0}};
    dc.FillSolidPolygon(stem, 3, ICON_BLACK);

    dc.SelectObject(pOld);
    AfxRegisterIcon(IDR_MAINFRAME, *bitmap.GetSurface());
}

} // namespace

void RegisterShellResources()
{
    RegisterAboutBox();
    RegisterCardOptions();
    RegisterLauncher();
    RegisterGameTable();
    RegisterIcon();
    AfxRegisterString(IDS_ABOUTBOX, "&About Velmora");
    AfxRegisterString(IDP_SOCKETS_INIT_FAILED,
                      "The network could not be started. OrvelBridge cannot run without it.");
}
