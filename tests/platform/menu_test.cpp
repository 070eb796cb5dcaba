// Menus: loading, check and grey states, the menu bar on a window, mnemonics and keys while
// a menu is tracked, clicks on the bar, and the system menu with its added item.

#include <gtest/gtest.h>

#include "platform/res/resources.h"
#include "platform/testing/driver.h"
#include "platform/wnd.h"
#include "platform/wnd/MenuTracker.h"
#include "platform/wnd/metrics.h"
#include "tests/platform/dialog_fixture.h"

namespace test = plat::test;

namespace {

constexpr UINT IDR_TABLE = 9300;
constexpr UINT ID_NEW_GAME = 32771;
constexpr UINT ID_QUIT = 32772;
constexpr UINT ID_DUMMY_OPEN = 32777;
constexpr UINT ID_REPLAY = 32796;
constexpr UINT ID_XML_EXPORT = 32813;
constexpr UINT IDM_ABOUT = 0x0010;

void RegisterTableMenu()
{
    AfxRegisterMenu(CMenuTemplate{
        IDR_TABLE,
        {MenuPopup("&File", {MenuItem(ID_NEW_GAME, "&New Game"), MenuItem(ID_REPLAY, "Replay Hand", MF_GRAYED),
                             MenuPopup("Export", {MenuItem(ID_XML_EXPORT, "&Xml")}), MenuSeparator(),
                             MenuItem(ID_QUIT, "&Quit")}),
         MenuPopup("&Options", {MenuItem(ID_DUMMY_OPEN, "&Dummy Open", MF_CHECKED)})}});
}

// A window with menu IDR_TABLE that records the commands it gets.
class CMenuWnd : public CWnd {
public:
    CMenu m_menu;
    std::vector<UINT> m_commands;
    std::vector<UINT> m_sysCommands;

    void Build()
    {
        RegisterTableMenu();
        ASSERT_TRUE(CreateEx(0, "Table", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CRect(50, 50, 450, 350),
                             nullptr, 0));
        ASSERT_TRUE(m_menu.LoadMenu(IDR_TABLE));
        SetMenu(&m_menu);
        test::RunUntilIdle();
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        if (nCode == CN_COMMAND) {
            m_commands.push_back(nID);
            return TRUE;
        }
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }

protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if ((nID & 0xFFF0) == IDM_ABOUT)
            m_sysCommands.push_back(nID);
        else
            CWnd::OnSysCommand(nID, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuWnd, CWnd)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

} // namespace

TEST(CMenu, LoadedMenuKeepsTemplateStatesAndChangesThem)
{
    RegisterTableMenu();
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TABLE));
    EXPECT_FALSE(menu.LoadMenu(IDR_TABLE)) << "an object holds one menu";
    EXPECT_EQ(menu.GetMenuItemCount(), 2);
    EXPECT_NE(menu.GetMenuState(ID_DUMMY_OPEN, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_NE(menu.GetMenuState(ID_REPLAY, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(menu.CheckMenuItem(ID_DUMMY_OPEN, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
    EXPECT_EQ(menu.GetMenuState(ID_DUMMY_OPEN, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_EQ(menu.EnableMenuItem(ID_REPLAY, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);
    EXPECT_EQ(menu.GetMenuState(ID_REPLAY, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(menu.GetMenuState(ID_XML_EXPORT, MF_BYCOMMAND), 0u) << "found in a nested popup";
    EXPECT_EQ(menu.GetMenuState(12345, MF_BYCOMMAND), MENU_NO_ITEM);
    CString strText;
    menu.GetSubMenu(0)->GetMenuString(0, strText, MF_BYPOSITION);
    EXPECT_EQ(strText, "&New Game");
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_EQ(menu.m_hMenu, nullptr);
}

TEST(CMenu, GreyedItemsCannotBeChosen)
{
    CMenuWnd wnd;
    wnd.Build();
    EXPECT_FALSE(test::ChooseMenuCommand(&wnd, ID_REPLAY));
    EXPECT_TRUE(test::ChooseMenuCommand(&wnd, ID_NEW_GAME));
    test::RunUntilIdle();
    EXPECT_EQ(wnd.m_commands, std::vector<UINT>{ID_NEW_GAME});
}

TEST(CMenu, MnemonicOpensThePopupAndKeysChooseANestedItem)
{
    CMenuWnd wnd;
    wnd.Build();
    test::PressAltKey(&wnd, 'F');
    // New Game, Replay (greyed, still passed over by the arrows), Export.
    test::PressKey(&wnd, VK_DOWN);
    test::PressKey(&wnd, VK_DOWN);
    test::PressKey(&wnd, VK_DOWN);
    test::PressKey(&wnd, VK_RIGHT);
    test::PressKey(&wnd, 'X');
    test::RunUntilIdle();
    EXPECT_FALSE(plat::IsTrackingMenu());
    EXPECT_EQ(wnd.m_commands, std::vector<UINT>{ID_XML_EXPORT});
}

TEST(CMenu, TheLetterThatChoosesAnItemIsNotTypedIntoTheBoxItOpens)
{
    struct CBoxMenuWnd : CMenuWnd {
        CString m_strName;
        BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
        {
            if (nCode != CN_COMMAND || nID != ID_NEW_GAME)
                return CMenuWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
            fixture::CEveryControlDlg dlg(this);
            test::ScriptNextDialog(fixture::IDD_EVERY_CONTROL, {test::ClickStep(IDOK)});
            dlg.DoModal();
            m_strName = dlg.m_strName;
            return TRUE;
        }
    } wnd;
    fixture::RegisterEveryControlTemplate();
    wnd.Build();
    test::PressAltKey(&wnd, 'F');
    // As the window system gives a letter: the press, the character it types, the release.
    plat::CInputRouter::QueueKey(wnd.m_hWnd, 'N', true);
    plat::CInputRouter::QueueChar(wnd.m_hWnd, 'n');
    plat::CInputRouter::QueueKey(wnd.m_hWnd, 'N', false);
    test::RunUntilIdle();
    EXPECT_EQ(wnd.m_strName, "Ann");
}

TEST(CMenu, EscapeDismissesATrackedMenuWithoutACommand)
{
    CMenuWnd wnd;
    wnd.Build();
    test::PressAltKey(&wnd, 'O');
    test::PressKey(&wnd, VK_ESCAPE);
    test::RunUntilIdle();
    EXPECT_FALSE(plat::IsTrackingMenu());
    EXPECT_TRUE(wnd.m_commands.empty());
}

TEST(CMenu, ClickingTheBarThenAnItemChoosesIt)
{
    CMenuWnd wnd;
    wnd.Build();
    // The bar lies above the client area: client y is negative there.
    CPoint ptFile(plat::SYSMENU_ICON_WIDTH + 10, -plat::MENU_BAR_HEIGHT / 2);
    test::Click(&wnd, ptFile);
    // The popup opens under "File"; its first item is 2 pixels in.
    CPoint ptNewGame(plat::SYSMENU_ICON_WIDTH + 20, 2 + plat::MENU_ITEM_HEIGHT / 2);
    test::MouseMove(&wnd, ptNewGame);
    test::Click(&wnd, ptNewGame);
    test::RunUntilIdle();
    EXPECT_EQ(wnd.m_commands, std::vector<UINT>{ID_NEW_GAME});
}

TEST(CMenu, ReplacingTheTemplatesMenuAfterDestroyingIt)
{
    CMenuWnd wnd;
    wnd.Build();
    wnd.GetMenu()->DestroyMenu();
    EXPECT_EQ(wnd.GetMenu(), nullptr);
    EXPECT_EQ(wnd.m_menu.m_hMenu, nullptr) << "the object saw its menu go";
    CMenu other;
    ASSERT_TRUE(other.LoadMenu(IDR_TABLE));
    wnd.SetMenu(&other);
    EXPECT_EQ(wnd.GetMenu(), &other);
}

TEST(CMenu, SystemMenuItemAddedByTheProgramArrivesAsSysCommand)
{
    CMenuWnd wnd;
    wnd.Build();
    CMenu* pSystem = wnd.GetSystemMenu(FALSE);
    ASSERT_NE(pSystem, nullptr);
    pSystem->AppendMenu(MF_SEPARATOR);
    pSystem->AppendMenu(MF_STRING, IDM_ABOUT, "&About Velmora");
    test::PressAltKey(&wnd, VK_SPACE);
    test::PressKey(&wnd, 'A');
    test::RunUntilIdle();
    EXPECT_EQ(wnd.m_sysCommands, std::vector<UINT>{IDM_ABOUT});

    // The small icon at the left of the bar opens the same menu; Close is on it.
    test::Click(&wnd, CPoint(plat::SYSMENU_ICON_WIDTH / 2, -plat::MENU_BAR_HEIGHT / 2));
    test::PressKey(&wnd, 'C');
    test::RunUntilIdle();
    EXPECT_EQ(wnd.m_hWnd, nullptr) << "Close sent WM_CLOSE, whose default destroys a plain window";
}
