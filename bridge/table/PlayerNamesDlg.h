#pragma once
// CPlayerNamesDlg: the "Player Names" box (template 275). South, the person, is typed; the
// three computer seats are typed or chosen from the voices, which are the sub-folders of the
// sounds folder (setting SoundDir): a seat named after a voice speaks its calls in it.

#include "bridge/bidding/Auction.h"
#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"

class CPlayerNamesDlg : public CDialog {
public:
    explicit CPlayerNamesDlg(CWnd* pParent = nullptr);

    CComboBox m_comboVoices; // 1043, hidden: receives the listing of the sounds folder
    CComboBox m_comboWest;   // 1039
    CComboBox m_comboNorth;  // 1040
    CComboBox m_comboEast;   // 1041
    // The names, exchanged with edit 1042 and the texts of the three combo boxes; empty
    // when the box is built.
    CString m_strSouth;
    CString m_strEast;
    CString m_strNorth;
    CString m_strWest;

    // The four names by seat, before DoModal.
    void SetNames(const CString& strNorth, const CString& strEast, const CString& strSouth,
                  const CString& strWest);

    // Shows the names, then offers every voice of the sounds folder in the three combo boxes.
    BOOL OnInitDialog() override;

    // The Player Names command: the box with the four names by seat (North, East, South,
    // West); whichever button closes it, the names are taken back from it and written to the
    // settings as WestName, NorthName, EastName and SouthName.
    static void EditNames(CWnd* pParent, CString strNames[SEAT_COUNT]);

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    // Lists the sounds folder into m_comboVoices, returning to the current folder afterwards.
    void ListSoundsFolder();
};
