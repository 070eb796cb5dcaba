#pragma once
// CCardPlayOptions: the "Card play options" box (template 277) with four switches of play and
// bidding. The caller sets the five members before DoModal and reads them back after OK.

#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"

class CCardPlayOptions : public CDialog {
public:
    explicit CCardPlayOptions(CWnd* pParent = nullptr);

    // The switches, 0 or 1, all 0 when the box is built.
    BOOL m_bAutoPlay;        // check box 1045, "Auto Play"
    BOOL m_bShowLastTrick;   // check box 1048, "Show last trick"
    BOOL m_bSingleClickBid;  // check box 1046, "Single click bid"
    BOOL m_bSingleClickPlay; // check box 1047, "Single click play"
    // The spoken-calls switch: it has no check box, so it keeps what the caller put in.
    BOOL m_bSound;

    // The Card play options command: the box filled with the five switches; after OK they are
    // taken back. True after OK.
    static bool EditSwitches(CWnd* pParent, bool& bAutoPlay, bool& bShowLastTrick, bool& bSingleClickBid,
                             bool& bSingleClickPlay, bool& bSound);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
