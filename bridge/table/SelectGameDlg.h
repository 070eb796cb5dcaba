#pragma once
// CSelectGameDlg: the deal selection box (template 303): a game number, a contract level,
// a contract suit and the leading hand. The three combo boxes can also be typed into; the
// getters turn whatever text they hold into the table's codes.

#include "platform/wnd/CComboBox.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"

class CSelectGameDlg : public CDialog {
public:
    explicit CSelectGameDlg(CWnd* pParent = nullptr);

    CComboBox m_comboLeader; // 1010: "North", "East", "South", "West"
    CComboBox m_comboSuit;   // 1009: "Clubs" .. "Spades", "No Trump"
    CComboBox m_comboLevel;  // 1008: "1" .. "7"
    // The texts of edit 1007 and of the three combo boxes; empty when the box is built.
    CString m_strGameNumber;
    CString m_strLevel;
    CString m_strSuit;
    CString m_strLeader;

    // Shows the texts, then selects "1", "No Trump" and "North" in the combo boxes.
    BOOL OnInitDialog() override;

    // The game number typed, as a decimal integer (0 when it is no number).
    int GetGameNumber() const;
    // The level index: 0 for "1" .. 6 for "7"; 0 for text that is no level number, and
    // numbers above seven give the seven-level, the highest contract there is.
    int GetContractLevel() const;
    // 0 "Clubs", 1 "Diamonds", 2 "Hearts", 3 "Spades", 4 any other text (no trump).
    int GetContractSuit() const;
    // 0 "North", 1 "East", 2 "South", 3 any other text (West).
    int GetLeader() const;

    // The Select Game command's question: true after OK, with the game number, the leading
    // seat, the level index and the suit (0 clubs .. 4 no trump) chosen.
    static bool AskGame(CWnd* pParent, int& nGameNumber, int& nLeader, int& nLevel, int& nSuit);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
