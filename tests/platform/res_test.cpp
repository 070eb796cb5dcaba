#include <gtest/gtest.h>

#include "platform/base.h"
#include "platform/gdi.h"
#include "platform/res.h"

// Ids far above the suite's own, so these tests do not disturb tables other tests fill.
namespace {

constexpr UINT TEST_DIALOG = 61001;
constexpr UINT TEST_MENU = 61002;
constexpr UINT TEST_STRING = 61003;
constexpr UINT TEST_EMPTY_STRING = 61004;
constexpr UINT TEST_BITMAP = 61005;
constexpr UINT TEST_ICON = 61006;
constexpr UINT TEST_MISSING = 61999;

} // namespace

TEST(DialogUnits, ConvertWithBaseUnitsOfSixByThirteen)
{
    EXPECT_EQ(DialogUnitsToPixelsX(428), 642);
    EXPECT_EQ(DialogUnitsToPixelsY(276), 448);
    // Bidding box OK button: (7, 125) 50 x 14; fractions are cut off edge by edge.
    CRect rect(7, 125, 57, 139);
    AfxMapDialogRect(&rect);
    EXPECT_EQ(rect, CRect(10, 203, 85, 225));
}

TEST(ResourceTable, LoadStringFindsRegisteredTexts)
{
    AfxRegisterString(TEST_STRING, "&About Velmora");
    AfxRegisterString(TEST_EMPTY_STRING, "");
    CString str("stale");
    EXPECT_TRUE(str.LoadString(TEST_STRING));
    EXPECT_EQ(str, "&About Velmora");
    EXPECT_FALSE(str.LoadString(TEST_MISSING));
    EXPECT_TRUE(str.IsEmpty());
    str = "stale";
    EXPECT_FALSE(str.LoadString(TEST_EMPTY_STRING)) << "an empty entry loads as nothing";
    EXPECT_TRUE(str.IsEmpty());
    AfxRegisterString(TEST_STRING, "replaced");
    EXPECT_TRUE(str.LoadString(TEST_STRING));
    EXPECT_EQ(str, "replaced");
}

TEST(ResourceTable, BitmapsLoadByIdAndByNameWhateverTheCase)
{
    AfxRegisterBitmap(TEST_BITMAP, CSurface(71, 96, 0x00FF00));
    AfxRegisterBitmap("REDOUBLEU", CSurface(16, 12, 0x0000FF));
    CBitmap card;
    ASSERT_TRUE(card.LoadBitmap(TEST_BITMAP));
    EXPECT_EQ(card.GetSize(), CSize(71, 96));
    BITMAP info;
    EXPECT_EQ(card.GetBitmap(&info), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(info.bmWidth, 71);
    EXPECT_EQ(info.bmBitsPixel, 32);

    CBitmap button;
    ASSERT_TRUE(button.LoadBitmap("redoubleU"));
    EXPECT_EQ(button.GetSize(), CSize(16, 12));
    EXPECT_EQ(button.GetSurface()->GetPixel(3, 3), 0x0000FFu);
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap("redoubleQ"));
    EXPECT_FALSE(missing.LoadBitmap(TEST_MISSING));
    EXPECT_FALSE(missing.IsLoaded());

    // A loaded bitmap is a copy: drawing on it leaves the resource as it was.
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&button);
    dc.FillSolidRect(0, 0, 16, 12, RGB(255, 255, 255));
    CBitmap again;
    ASSERT_TRUE(again.LoadBitmap("REDOUBLEU"));
    EXPECT_EQ(again.GetSurface()->GetPixel(3, 3), 0x0000FFu);
}

TEST(ResourceTable, BitmapsWithADrawerAreDrawnOnceAtTheirFirstLookUp)
{
    int nDrawnById = 0;
    int nDrawnByName = 0;
    AfxRegisterBitmap(TEST_BITMAP, CSize(5, 4), [&nDrawnById](CDC& dc) {
        ++nDrawnById;
        dc.FillSolidRect(1, 1, 2, 2, RGB(0x12, 0x34, 0x56));
    });
    AfxRegisterBitmap("LazyU", CSize(3, 3), [&nDrawnByName](CDC& dc) {
        ++nDrawnByName;
        dc.SetPixel(0, 0, RGB(0xFF, 0, 0));
    });
    EXPECT_EQ(nDrawnById, 0) << "registering draws nothing";
    EXPECT_EQ(nDrawnByName, 0);

    CBitmap first;
    ASSERT_TRUE(first.LoadBitmap(TEST_BITMAP));
    EXPECT_EQ(first.GetSize(), CSize(5, 4));
    EXPECT_EQ(first.GetSurface()->GetPixel(0, 0), 0u) << "the bitmap starts black";
    EXPECT_EQ(first.GetSurface()->GetPixel(2, 2), 0x123456u);
    CBitmap second;
    ASSERT_TRUE(second.LoadBitmap(TEST_BITMAP));
    EXPECT_EQ(second.GetSurface()->GetPixel(2, 2), 0x123456u);
    EXPECT_EQ(nDrawnById, 1) << "the drawn picture is kept";

    const CSurface* pByName = AfxFindBitmap("lazyu");
    ASSERT_NE(pByName, nullptr);
    EXPECT_EQ(pByName->GetPixel(0, 0), 0xFF0000u);
    EXPECT_EQ(AfxFindBitmap("LAZYU"), pByName);
    EXPECT_EQ(nDrawnByName, 1);

    // A plain picture registered later replaces the drawer's, drawn or not.
    AfxRegisterBitmap("LazyU", CSize(3, 3), [&nDrawnByName](CDC&) { ++nDrawnByName; });
    AfxRegisterBitmap("LazyU", CSurface(2, 2, 0x00ABCDEF));
    ASSERT_NE(AfxFindBitmap("LazyU"), nullptr);
    EXPECT_EQ(AfxFindBitmap("LazyU")->GetPixel(1, 1), 0xABCDEFu);
    EXPECT_EQ(nDrawnByName, 1);
}

TEST(ResourceTable, IconHandlesStayValidWhenReRegistered)
{
    EXPECT_EQ(AfxLoadIcon(TEST_MISSING), nullptr);
    AfxRegisterIcon(TEST_ICON, CSurface(ICON_SIZE, ICON_SIZE, 0x112233));
    const HICON hIcon = AfxLoadIcon(TEST_ICON);
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ(GetIconSurface(hIcon)->GetPixel(0, 0), 0x112233u);
    AfxRegisterIcon(TEST_ICON, CSurface(ICON_SIZE, ICON_SIZE, 0x445566), 0x000000);
    EXPECT_EQ(AfxLoadIcon(TEST_ICON), hIcon);
    EXPECT_EQ(GetIconSurface(hIcon)->GetPixel(0, 0), 0x445566u);
    EXPECT_TRUE(hIcon->m_bKeyed);
}

TEST(CDialogTemplate, ControlsCarryTheirEffectiveStylesAndItems)
{
    CDialogTemplate dialog{TEST_DIALOG, "Player Names", 0, 0, 186, 120,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME};
    dialog.controls = {
        {1039, ControlKind::ComboBox, "", 60, 7, 80, 60, CBS_DROPDOWN | CBS_SORT | WS_VSCROLL},
        {1043, ControlKind::ComboBox, "", 60, 90, 80, 60, CBS_DROPDOWNLIST | CBS_SORT, WS_VISIBLE},
        {1009, ControlKind::ComboBox, "", 60, 30, 80, 60, CBS_DROPDOWN, 0, {"Clubs", "Diamonds"}},
        {IDC_STATIC, ControlKind::Icon, "#128", 7, 7, 20, 20},
        {IDOK, ControlKind::DefPushButton, "OK", 7, 100, 50, 14},
    };
    AfxRegisterDialogTemplate(dialog);

    const CDialogTemplate* pFound = AfxFindDialogTemplate(TEST_DIALOG);
    ASSERT_NE(pFound, nullptr);
    EXPECT_EQ(pFound->strCaption, "Player Names");
    EXPECT_EQ(pFound->strFontName, "MS Sans Serif");
    EXPECT_EQ(pFound->nMenuID, 0u);
    EXPECT_EQ(AfxFindDialogTemplate(TEST_MISSING), nullptr);

    const DWORD dwVisibleCombo = pFound->FindControl(1039)->GetStyle();
    EXPECT_TRUE(dwVisibleCombo & WS_VISIBLE);
    EXPECT_TRUE(dwVisibleCombo & WS_CHILD);
    EXPECT_EQ(dwVisibleCombo & CBS_TYPEMASK, CBS_DROPDOWN);
    EXPECT_TRUE(dwVisibleCombo & CBS_SORT);
    const DWORD dwHiddenCombo = pFound->FindControl(1043)->GetStyle();
    EXPECT_FALSE(dwHiddenCombo & WS_VISIBLE);
    EXPECT_EQ(dwHiddenCombo & CBS_TYPEMASK, CBS_DROPDOWNLIST);
    ASSERT_EQ(pFound->FindControl(1009)->items.size(), 2u);
    EXPECT_EQ(pFound->FindControl(1009)->items[1], "Diamonds");
    EXPECT_EQ(pFound->FindControl(IDC_STATIC)->GetIconID(), 128u);
    EXPECT_EQ(pFound->FindControl(IDOK)->GetStyle() & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(pFound->FindControl(IDOK)->GetIconID(), 0u);
    EXPECT_EQ(pFound->FindControl(4711), nullptr);
}

TEST(CMenuTemplate, NestedPopupsKeepTextsIdsAndStates)
{
    CMenuTemplate menu;
    menu.nID = TEST_MENU;
    menu.items = {
        MenuPopup("&File", {MenuItem(32771, "&New Game"), MenuItem(32796, "Replay Hand", MF_GRAYED),
                            MenuPopup("Export", {MenuItem(32813, "Xml")}), MenuSeparator(),
                            MenuItem(32772, "&Quit")}),
        MenuPopup("&Options", {MenuItem(32777, "&Dummy Open", MF_CHECKED)}),
    };
    AfxRegisterMenu(menu);

    const CMenuTemplate* pFound = AfxFindMenu(TEST_MENU);
    ASSERT_NE(pFound, nullptr);
    ASSERT_EQ(pFound->items.size(), 2u);
    const CMenuItemTemplate& file = pFound->items[0];
    EXPECT_TRUE(file.IsPopup());
    EXPECT_EQ(file.strText, "&File");
    ASSERT_EQ(file.items.size(), 5u);
    EXPECT_EQ(file.items[1].nFlags & MF_GRAYED, MF_GRAYED);
    EXPECT_EQ(file.items[2].items[0].nID, 32813u);
    EXPECT_TRUE(file.items[3].IsSeparator());
    EXPECT_EQ(pFound->items[1].items[0].nFlags & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(AfxFindMenu(TEST_MISSING), nullptr);
}
