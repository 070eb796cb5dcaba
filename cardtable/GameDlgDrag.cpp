// CGameDlg: carrying a card with the mouse, and the keys and close box of a game window.
//
// A carry runs from PickUpCard to the drop or to a cancel. Presses are counted while they
// are handled, so a press that arrives inside another (pumped by it, or by a computer turn
// holding a CClickGuard) does nothing; a release that arrives while a press is still being
// handled leaves the card to be put down by the next press. Between them these rules let
// every card that leaves a pile come down exactly once.

#include "cardtable/GameDlg.h"

#include <algorithm>

#include "cardtable/CardGlobals.h"
#include "cardtable/CardPile.h"
#include "platform/wnd/CClientDC.h"
#include "resources/CardImages.h"

namespace {

// A carried card's picture is centred on the mouse.
const CSize HALF_CARD(CARD_WIDTH / 2, CARD_HEIGHT / 2);

} // namespace

void CGameDlg::OnOK()
{
}

void CGameDlg::OnCancel()
{
}

LRESULT CGameDlg::OnCloseBox(WPARAM, LPARAM)
{
    // What was asked of the table during a carry must not act on a window put away.
    m_heldCommands.clear();
    CancelDrag();
    EndDialog(IDCANCEL);
    return 0;
}

BOOL CGameDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bDragging || m_bCardInAir) {
        const std::pair<WPARAM, LPARAM> command(wParam, lParam);
        if (std::find(m_heldCommands.begin(), m_heldCommands.end(), command) == m_heldCommands.end())
            m_heldCommands.push_back(command);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CGameDlg::ReleaseHeldCommands()
{
    // Posted rather than run here, so that each takes its turn in the loop after the drop's
    // own handling, with the game's guards as for any other command.
    if (!m_heldCommands.empty())
        PostMessage(WM_RUN_HELD_COMMAND);
}

LRESULT CGameDlg::OnRunHeldCommand(WPARAM, LPARAM)
{
    // A run already under way asks for the next itself; a new carry's drop asks again.
    if (m_bRunningHeldCommand || m_bDragging || m_bCardInAir || m_heldCommands.empty())
        return 0;
    const std::pair<WPARAM, LPARAM> command = m_heldCommands.front();
    m_heldCommands.erase(m_heldCommands.begin());
    m_bRunningHeldCommand = true;
    CDialog::OnCommand(command.first, command.second);
    m_bRunningHeldCommand = false;
    // The command may have closed the window; its object lives until this handler returns.
    if (GetSafeHwnd() != nullptr)
        ReleaseHeldCommands();
    return 0;
}

void CGameDlg::OnTablePress(CPoint)
{
}

void CGameDlg::OnTableRelease(CPoint)
{
}

void CGameDlg::OnCardDropped(CPoint)
{
}

void CGameDlg::OnDragCancelled()
{
}

void CGameDlg::OnDraggedCardMoved()
{
}

void CGameDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDown(nFlags, point);
    m_bButtonDown = true;
    CClickGuard guard(*this);
    if (m_pressTiming == PressTiming::AfterPendingMessages)
        PumpMessages();
    if (m_nClickNesting != 1 || m_hWnd == nullptr)
        return;
    if (m_bDragging)
        DropDraggedCard(point);
    else
        OnTablePress(point);
}

void CGameDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonUp(nFlags, point);
    m_bButtonDown = false;
    if (m_bDragging) {
        // A release inside a press still being handled cannot drop the card that press may
        // be working with; the next press will.
        if (m_nClickNesting > 0)
            m_bDragAwaitsPress = true;
        if (!m_bDragAwaitsPress)
            DropDraggedCard(point);
        return;
    }
    // A menu opened during a carry hands the mouse back when it closes; with no card left
    // to carry, this window must not keep it.
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_nClickNesting == 0)
        OnTableRelease(point);
}

void CGameDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    CDialog::OnMouseMove(nFlags, point);
    if (!m_bDragging)
        return;
    const CPoint ptNew = point - HALF_CARD;
    {
        CClientDC dc(this);
        DrawCardMoving(&dc, m_ptDrag, ptNew, DragImage());
    }
    m_ptDrag = ptNew;
    OnDraggedCardMoved();
}

LRESULT CGameDlg::OnCaptureChanged(WPARAM, LPARAM lParam)
{
    if (m_bDragging && reinterpret_cast<HWND>(lParam) != m_hWnd)
        CancelDrag();
    return 0;
}

void CGameDlg::PickUpCard(CCardPile* pSource, int nIndex, int nKind, CPoint point, DragFace face)
{
    if (m_bDragging || m_bCardInAir || nIndex < 0 || nIndex >= pSource->GetCount())
        return;
    m_dragMove = CCardMove(pSource->m_cards[nIndex], nKind, nIndex, -1, pSource, nullptr);
    m_dragMove.TakeFromSource();
    m_bDragging = true;
    m_bDragFaceDown = face == DragFace::Down;
    // A press that pumped its own release before lifting the card has no release to come.
    m_bDragAwaitsPress = !m_bButtonDown;
    m_ptDrag = point - HALF_CARD;
    SetCapture();
    DrawPile(*pSource);
    CClientDC dc(this);
    DrawCard(&dc, m_ptDrag, DragImage());
}

void CGameDlg::EndDrag(CPoint point)
{
    m_bDragging = false;
    m_bDragAwaitsPress = false;
    // The mouse goes free before the game acts on the drop: a message box that the drop
    // raises (the end of a deal) must get its clicks.
    if (GetCapture() == this)
        ReleaseCapture();
    const CPoint ptEnd = point - HALF_CARD;
    {
        CClientDC dc(this);
        DrawCardMoving(&dc, m_ptDrag, ptEnd, -1);
    }
    m_ptDrag = ptEnd;
}

void CGameDlg::DropDraggedCard(CPoint point)
{
    EndDrag(point);
    m_bCardInAir = true;
    {
        CClickGuard guard(*this);
        OnCardDropped(point);
    }
    ReturnDraggedCard();
    ReleaseHeldCommands();
}

void CGameDlg::PlaceDraggedCard(CCardPile* pTarget, int nIndex)
{
    if (!m_bCardInAir)
        return;
    m_bCardInAir = false;
    m_dragMove.SetTargetPile(pTarget);
    m_dragMove.SetTargetIndex(nIndex);
    m_dragMove.PutOnTarget();
    DrawPile(*pTarget);
}

void CGameDlg::ReturnDraggedCard()
{
    if (!m_bCardInAir)
        return;
    m_bCardInAir = false;
    m_dragMove.ReturnToSource();
    DrawPile(*m_dragMove.GetSourcePile());
}

void CGameDlg::CancelDrag()
{
    if (!m_bDragging)
        return;
    EndDrag(m_ptDrag + HALF_CARD);
    m_bCardInAir = true;
    ReturnDraggedCard();
    OnDragCancelled();
    ReleaseHeldCommands();
}

int CGameDlg::DragImage() const
{
    return m_bDragFaceDown ? static_cast<int>(IMG_BACK) : m_dragMove.GetCard().GetImageIndex();
}
