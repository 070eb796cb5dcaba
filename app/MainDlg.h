#pragma once
// CMainDlg: the launcher, a small green dialog (template 300) with the menu 130, run modally
// as the program's main window. It opens the games as modeless windows that it owns, at most
// GAME_SLOT_COUNT at once, shows the About box and the card options, and keeps the card delay
// that paces every card animation. At start-up it brings the settings up to date and fills in
// the default sounds folder.

#include "platform/wnd/CDialog.h"

class CGameDlg;
struct GameFactoryEntry;

class CMainDlg : public CDialog {
public:
    static constexpr int GAME_SLOT_COUNT = 10;

    explicit CMainDlg(CWnd* pParent = nullptr);
    // Deletes every game window still in a slot.
    ~CMainDlg() override;

    // The pause in milliseconds between the steps of a card movement (0 or less: none).
    int GetCardDelay() const { return m_nCardDelay; }
    // Clears every slot holding pGameDlg and deletes the window object once the handler
    // that asked for it has returned, so a closing game window may call it on itself.
    void RemoveGameDlg(CGameDlg* pGameDlg);
    // The game window in slot nSlot (0 .. GAME_SLOT_COUNT - 1), or nullptr for a free slot.
    CGameDlg* GetGameDlg(int nSlot) const;

    // Handles the launcher's commands (code 0), then routes every call on as the base does.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    // Reads the card delay, raises an old settings version and fills in the sounds folder.
    void LoadSettings();

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnPaint();
    afx_msg void OnClose();
    // Every way the launcher ends (the close box, Escape, Enter) runs each open game's own
    // close handling first, so that what a game saves when it closes is not lost.
    void OnOK() override;
    void OnCancel() override;

private:
    // Opens the game of entry in the first free slot; nothing when all are in use.
    void OpenGame(const GameFactoryEntry& entry);
    // Runs the card options box and keeps the delay typed there.
    void ShowCardOptions();
    // Cancels every blocking socket call waiting, then sends WM_CLOSE to every game window
    // still open: the bridge windows save their scores, dealer and rectangle and free their
    // slot; the others hide as they do on close.
    void CloseGames();

    HICON m_hIcon;
    // The open game windows, owned; free slots hold nullptr.
    CGameDlg* m_pGames[GAME_SLOT_COUNT] = {};
    int m_nCardDelay = 0;

    DECLARE_MESSAGE_MAP()
};
