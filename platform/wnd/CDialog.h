#pragma once
// CDialog: a window built from a dialog template. Create makes it modeless; DoModal runs it
// in its own nested message loop until EndDialog, and may be called again on the same
// object (the window and its controls are made anew each time). Creation sends WM_CREATE
// and WM_SIZE, makes the controls, then WM_INITDIALOG; a template with the visible style
// shows at once, a modal dialog shows after its initialisation.
//
// Default behaviour: OnInitDialog fills the controls (UpdateData(FALSE)); OnOK reads them
// back and ends with IDOK; OnCancel (also Escape and the close box) ends with IDCANCEL.
// Ending a modeless dialog hides it; the window stays until destroyed.

#include "platform/wnd/CWnd.h"

struct CDialogTemplate;

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Modeless: makes the window from template nIDTemplate, owned by pParentWnd's window
    // (without one, by the window the person last worked in among the main window and the
    // windows it owns). FALSE when the template does not exist or creation failed.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    BOOL CreateIndirect(const CDialogTemplate* pTemplate, CWnd* pParentWnd = nullptr);
    // Runs the dialog modally: the owner (the parent's top-level window, or as for Create
    // when there is no parent) is disabled meanwhile, and the window holding the mouse
    // capture, if any, gets WM_CANCELMODE and loses it. Returns EndDialog's result; IDCANCEL
    // when the window was destroyed from outside; -1 when it could not be made.
    virtual INT_PTR DoModal();
    // Makes the next DoModal use pTemplate (kept by the caller) instead of a template id.
    BOOL InitModalIndirect(const CDialogTemplate* pTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal run with nResult, or hides a modeless dialog.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Routes a command through the dialog's own class chain; a menu command (ids from
    // FIRST_MENU_COMMAND_ID up to the system commands) none of them handles goes on to the
    // window that owns the dialog, as a dialog passes on what it does not handle. Control
    // notifications stay with the dialog.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    static constexpr UINT FIRST_MENU_COMMAND_ID = 0x8000;
    static constexpr UINT FIRST_SYSTEM_COMMAND_ID = 0xF000;

    UINT GetTemplateID() const { return m_nIDTemplate; }
    // True while DoModal's loop runs.
    bool IsRunningModal() const { return m_bInModalLoop; }

protected:
    // Creates the window from the template; bModal keeps it hidden for DoModal to show.
    BOOL CreateFromTemplate(const CDialogTemplate& dialogTemplate, HWND hOwner, bool bModal);
    // The loop of DoModal; returns when EndDialog was called or the window is gone.
    void RunModalLoop();
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    CWnd* m_pParentWnd = nullptr;
    UINT m_nIDTemplate = 0;
    const CDialogTemplate* m_pIndirectTemplate = nullptr;

    DECLARE_MESSAGE_MAP()

private:
    const CDialogTemplate* FindTemplate() const;

    int m_nModalResult = -1;
    bool m_bModalDone = false;
    bool m_bInModalLoop = false;
};
