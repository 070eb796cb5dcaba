#include "tests/app/ShellTestSupport.h"

#include <cstdio>

#include "app/GameFactory.h"
#include "cardtable/CardPainter.h"
#include "cardtable/SettingsKeys.h"
#include "platform/gdi.h"
#include "platform/reg/registry.h"
#include "platform/wnd/CClientDC.h"
#include "resources/Resources.h"
#include "resources/resource.h"

int CPlainGameDlg::s_nAlive = 0;

BEGIN_MESSAGE_MAP(CPlainGameDlg, CGameDlg)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CPlainGameDlg::CPlainGameDlg(CMainDlg* pMainDlg) : CGameDlg(pMainDlg, pMainDlg)
{
    s_nAlive++;
}

CPlainGameDlg::~CPlainGameDlg()
{
    s_nAlive--;
}

BEGIN_MESSAGE_MAP(CTwoPileGameDlg, CGameDlg)
    ON_WM_CLOSE()
    ON_MESSAGE(WM_TEST_PING, &CTwoPileGameDlg::OnTestPing)
    ON_COMMAND_RANGE(ID_TEST_FIRST_COMMAND, ID_TEST_SECOND_COMMAND, &CTwoPileGameDlg::OnBoxCommand)
END_MESSAGE_MAP()

CTwoPileGameDlg::CTwoPileGameDlg(CMainDlg* pMainDlg)
    : CGameDlg(pMainDlg, pMainDlg), m_ptSource(100, 100), m_ptTarget(103, 130)
{
}

void CTwoPileGameDlg::DrawCards(CDC* pDC)
{
    ++m_nTableDrawings;
    CCardPainter painter(*pDC, m_pCardDCs);
    m_source.Paint(painter);
    m_target.Paint(painter);
}

void CTwoPileGameDlg::Layout(int, int)
{
    m_source.SetLayout(m_ptSource, CSize(0, 0), 1, 0);
    m_target.SetLayout(m_ptTarget, CSize(0, 0), 1, 0);
}

CString CTwoPileGameDlg::GetGameName()
{
    return "TwoPile";
}

LRESULT CTwoPileGameDlg::OnTestPing(WPARAM, LPARAM)
{
    m_nPings++;
    return 0;
}

void CTwoPileGameDlg::OnBoxCommand(UINT nID)
{
    m_commandsRun.push_back(nID);
    m_nCommandsNested += m_nCommandBoxesOpen > 0 ? 1 : 0;
    ++m_nCommandBoxesOpen;
    MessageBox("Command", "Command", MB_OK);
    --m_nCommandBoxesOpen;
}

void CTwoPileGameDlg::OnTablePress(CPoint point)
{
    for (CCardPile* pPile : {&m_source, &m_target}) {
        int nIndex = -1;
        if (pPile->HitTest(point, &nIndex)) {
            PickUpCard(pPile, nIndex, MOVE_FROM_HAND, point);
            return;
        }
    }
}

void CTwoPileGameDlg::OnTableRelease(CPoint)
{
    m_nReleases++;
}

void CTwoPileGameDlg::OnCardDropped(CPoint point)
{
    for (CCardPile* pPile : {&m_source, &m_target}) {
        if (pPile->HitTest(point)) {
            PlaceDraggedCard(pPile, -1);
            break;
        }
    }
    if (!m_strDropBox.IsEmpty())
        MessageBox(m_strDropBox, "Dropped", MB_OK);
}

void CTwoPileGameDlg::OnDragCancelled()
{
    m_nCancels++;
}

void ShellTest::SetUpTestSuite()
{
    RegisterAllResources();
}

void ShellTest::SetUp()
{
    std::remove(plat::RegistryFilePath().c_str());
}

void ShellTest::TearDown()
{
    CGameFactory::Unregister(ID_GAME_DUMMY);
}

void ShellTest::OpenLauncher(CMainDlg& dlgMain)
{
    // The launcher's template is not visible by itself: the program shows it by its modal run.
    ASSERT_TRUE(dlgMain.Create(IDD_MAIN));
    dlgMain.ShowWindow(SW_SHOW);
}

void ShellTest::RegisterGame(CGameDlg* (*pfnMake)(CMainDlg*))
{
    CGameFactory::Register(ID_GAME_DUMMY, IDD_GAME_TABLE, pfnMake);
}

CRegSettings OpenSettings()
{
    return CRegSettings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                        settings_keys::SUITE_KEY);
}

COLORREF ClientPixel(CWnd* pWnd, CPoint pt)
{
    CClientDC dc(pWnd);
    return dc.GetPixel(pt.x, pt.y);
}

COLORREF CardPicturePixel(int nImage, CPoint pt)
{
    CBitmap bitmap;
    bitmap.LoadBitmap(IDB_CARD_FIRST + nImage);
    return plat::PixelToColor(bitmap.GetSurface()->GetPixel(pt.x, pt.y));
}
