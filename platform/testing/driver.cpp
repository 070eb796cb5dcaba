#include "platform/testing/driver.h"

#include <cstdlib>
#include <deque>
#include <map>
#include <set>

#include "platform/msg/CMessageQueue.h"
#include "platform/msg/loop.h"
#include "platform/wnd/CInputRouter.h"
#include "platform/wnd/CMessageBoxDlg.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/DefaultProcs.h"
#include "platform/wnd/HMENU__.h"
#include "platform/wnd/ModalHooks.h"
#include "platform/wnd/WindowTree.h"

namespace plat::test {

namespace {

struct Script {
    UINT nTemplateID;
    std::vector<DialogStep> steps;
};

std::deque<int> s_messageBoxAnswers;
std::vector<MessageBoxRecord> s_messageBoxes;
struct FileAnswer {
    bool bCancel;
    CString strName;
};
std::deque<FileAnswer> s_fileAnswers;
std::vector<FileDialogRecord> s_fileDialogs;
std::deque<Script> s_scripts;
std::set<unsigned> s_seenDialogs;
struct ActiveScript {
    std::vector<DialogStep> steps;
    size_t nNext;
};
std::map<unsigned, ActiveScript> s_activeScripts;

HWND TopOf(CWnd* pWnd)
{
    return pWnd != nullptr ? GetTopLevel(pWnd->m_hWnd) : nullptr;
}

HWND ChildWithID(HWND hParent, UINT nID)
{
    if (hParent == nullptr)
        return nullptr;
    for (HWND hChild : hParent->m_children) {
        if (hChild->m_nID == nID)
            return hChild;
    }
    return nullptr;
}

void QueueMouseAt(HWND hWnd, MouseAction action, CPoint point)
{
    CInputRouter::QueueMouse(GetTopLevel(hWnd), action, ClientToScreenPoint(hWnd, point));
}

void ClickHandle(HWND hWnd)
{
    CPoint centre = GetClientArea(hWnd).CenterPoint();
    QueueMouseAt(hWnd, MouseAction::LeftDown, centre);
    QueueMouseAt(hWnd, MouseAction::LeftUp, centre);
}

// Presses button nID of hDialog, or sends the command when the dialog has no such button.
void PressButton(HWND hDialog, UINT nID)
{
    HWND hButton = ChildWithID(hDialog, nID);
    if (hButton != nullptr && hButton->m_bVisible && hButton->m_bEnabled)
        ClickHandle(hButton);
    else
        PostMessage(hDialog, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0);
}

void AnswerMessageBox(HWND hDialog)
{
    HWND hText = ChildWithID(hDialog, static_cast<UINT>(CMessageBoxDlg::IDC_MSGBOX_TEXT));
    MessageBoxRecord record{hText != nullptr ? hText->m_strText : CString(), hDialog->m_strText, IDOK, false,
                            hDialog->m_rect.Width(), hDialog->m_rect};
    if (!s_messageBoxAnswers.empty()) {
        record.nResult = s_messageBoxAnswers.front();
        record.bAnswered = true;
        s_messageBoxAnswers.pop_front();
    } else if (HWND hFirst = FirstTabStop(hDialog)) {
        record.nResult = static_cast<int>(hFirst->m_nID);
    }
    s_messageBoxes.push_back(record);
    PressButton(hDialog, static_cast<UINT>(record.nResult));
}

void AnswerFileDialog(HWND hDialog)
{
    FileDialogRecord record{hDialog->m_strText, !s_fileAnswers.empty()};
    s_fileDialogs.push_back(record);
    if (s_fileAnswers.empty() || s_fileAnswers.front().bCancel) {
        if (!s_fileAnswers.empty())
            s_fileAnswers.pop_front();
        PressButton(hDialog, IDCANCEL);
        return;
    }
    CString strName = s_fileAnswers.front().strName;
    s_fileAnswers.pop_front();
    // Typed as a person types it, into whatever has the keyboard, and taken with Enter.
    TypeText(CWnd::FromHandle(hDialog), strName);
    CInputRouter::QueueKey(hDialog, VK_RETURN, true);
    CInputRouter::QueueKey(hDialog, VK_RETURN, false);
}

void RunStep(HWND hDialog, const DialogStep& step)
{
    HWND hControl = ChildWithID(hDialog, step.nID);
    switch (step.kind) {
    case DialogStep::Kind::SetText:
        if (hControl != nullptr)
            SendMessage(hControl, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(step.strText)));
        break;
    case DialogStep::Kind::Click:
        PressButton(hDialog, step.nID);
        break;
    case DialogStep::Kind::SetCheck:
        ButtonSetCheck(hControl, step.nValue);
        break;
    case DialogStep::Kind::SelectItem:
        if (hControl != nullptr) {
            ListSetCurSel(hControl, step.nValue);
            NotifyParent(hControl, CBN_SELCHANGE);
        }
        break;
    case DialogStep::Kind::Key:
        CInputRouter::QueueKey(hDialog, step.nID, true);
        CInputRouter::QueueKey(hDialog, step.nID, false);
        break;
    }
}

// Steps run one per idle turn of their dialog's loop, so each step sees the effects of the
// one before (a click that opened a message box has been answered first).
void RunNextStep(HWND hDialog, std::map<unsigned, ActiveScript>::iterator it)
{
    ActiveScript& script = it->second;
    DialogStep step = script.steps[script.nNext++];
    if (script.nNext >= script.steps.size())
        s_activeScripts.erase(it);
    RunStep(hDialog, step);
}

void OnModalIdle(HWND hDialog)
{
    // A file dialog that refused its name (an overwrite prompt said No) takes the next
    // answer; everything else acts only the first time its loop goes idle.
    if (hDialog->m_nID == IDD_LAYER_FILEDIALOG) {
        AnswerFileDialog(hDialog);
        return;
    }
    auto itActive = s_activeScripts.find(hDialog->m_nSerial);
    if (itActive != s_activeScripts.end()) {
        RunNextStep(hDialog, itActive);
        return;
    }
    if (!s_seenDialogs.insert(hDialog->m_nSerial).second)
        return;
    if (hDialog->m_nID == IDD_LAYER_MESSAGEBOX) {
        AnswerMessageBox(hDialog);
        return;
    }
    for (auto it = s_scripts.begin(); it != s_scripts.end(); ++it) {
        if (it->nTemplateID != hDialog->m_nID)
            continue;
        auto itNew = s_activeScripts.emplace(hDialog->m_nSerial, ActiveScript{it->steps, 0}).first;
        s_scripts.erase(it);
        RunNextStep(hDialog, itNew);
        return;
    }
}

void EnsureHook()
{
    SetModalIdleHook(&OnModalIdle);
}

} // namespace

void MouseDown(CWnd* pWnd, CPoint point)
{
    EnsureHook();
    QueueMouseAt(pWnd->m_hWnd, MouseAction::LeftDown, point);
}

void MouseUp(CWnd* pWnd, CPoint point)
{
    QueueMouseAt(pWnd->m_hWnd, MouseAction::LeftUp, point);
}

void MouseMove(CWnd* pWnd, CPoint point)
{
    QueueMouseAt(pWnd->m_hWnd, MouseAction::Move, point);
}

void Click(CWnd* pWnd, CPoint point)
{
    MouseDown(pWnd, point);
    MouseUp(pWnd, point);
}

void Drag(CWnd* pWnd, CPoint ptFrom, CPoint ptTo, int nSteps)
{
    MouseDown(pWnd, ptFrom);
    for (int i = 1; i <= nSteps; ++i) {
        CPoint point(ptFrom.x + (ptTo.x - ptFrom.x) * i / nSteps, ptFrom.y + (ptTo.y - ptFrom.y) * i / nSteps);
        // Each step is its own event; the router would merge moves queued back to back.
        MouseMove(pWnd, point);
        RunUntilIdle();
    }
    MouseUp(pWnd, ptTo);
}

bool ClickControl(CWnd* pDialog, UINT nID)
{
    EnsureHook();
    HWND hControl = pDialog != nullptr ? ChildWithID(pDialog->m_hWnd, nID) : nullptr;
    if (hControl == nullptr)
        return false;
    ClickHandle(hControl);
    return true;
}

void PressKey(CWnd* pWnd, UINT nKey)
{
    EnsureHook();
    HWND hTop = TopOf(pWnd);
    CInputRouter::QueueKey(hTop, nKey, true);
    CInputRouter::QueueKey(hTop, nKey, false);
}

void PressAltKey(CWnd* pWnd, UINT nKey)
{
    EnsureHook();
    HWND hTop = TopOf(pWnd);
    CInputRouter::QueueKey(hTop, VK_MENU, true);
    CInputRouter::QueueKey(hTop, nKey, true);
    CInputRouter::QueueKey(hTop, nKey, false);
    CInputRouter::QueueKey(hTop, VK_MENU, false);
}

void TypeText(CWnd* pWnd, const char* szText)
{
    EnsureHook();
    HWND hTop = TopOf(pWnd);
    const unsigned char* p = reinterpret_cast<const unsigned char*>(szText);
    while (*p != 0) {
        UINT nChar = *p++;
        int nMore = nChar >= 0xF0 ? 3 : nChar >= 0xE0 ? 2 : nChar >= 0xC0 ? 1 : 0;
        if (nMore > 0)
            nChar &= 0x3Fu >> nMore;
        for (int i = 0; i < nMore && (*p & 0xC0) == 0x80; ++i)
            nChar = (nChar << 6) | (*p++ & 0x3F);
        CInputRouter::QueueChar(hTop, nChar);
    }
}

bool ChooseMenuCommand(CWnd* pWnd, UINT nID)
{
    EnsureHook();
    HWND hTop = TopOf(pWnd);
    if (hTop == nullptr)
        return false;
    HMENU__::Item* pItem = FindMenuItem(hTop->m_hMenu, nID);
    if (pItem == nullptr || (pItem->nFlags & (MF_GRAYED | MF_DISABLED)) != 0)
        return false;
    PostMessage(hTop, WM_COMMAND, MAKEWPARAM(nID, 0), 0);
    return true;
}

void PressCloseBox(CWnd* pWnd)
{
    EnsureHook();
    CInputRouter::OnCloseBox(TopOf(pWnd));
}

void RunUntilIdle()
{
    EnsureHook();
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void QueueMessageBoxAnswer(int nResult)
{
    EnsureHook();
    s_messageBoxAnswers.push_back(nResult);
}

const std::vector<MessageBoxRecord>& GetMessageBoxes()
{
    return s_messageBoxes;
}

void QueueFileDialogAnswer(const char* szName)
{
    EnsureHook();
    s_fileAnswers.push_back(FileAnswer{false, szName});
}

void QueueFileDialogCancel()
{
    EnsureHook();
    s_fileAnswers.push_back(FileAnswer{true, CString()});
}

const std::vector<FileDialogRecord>& GetFileDialogs()
{
    return s_fileDialogs;
}

DialogStep SetTextStep(UINT nID, const char* szText)
{
    return DialogStep{DialogStep::Kind::SetText, nID, szText, 0};
}

DialogStep ClickStep(UINT nID)
{
    return DialogStep{DialogStep::Kind::Click, nID, CString(), 0};
}

DialogStep SetCheckStep(UINT nID, int nCheck)
{
    return DialogStep{DialogStep::Kind::SetCheck, nID, CString(), nCheck};
}

DialogStep SelectItemStep(UINT nID, int nIndex)
{
    return DialogStep{DialogStep::Kind::SelectItem, nID, CString(), nIndex};
}

DialogStep KeyStep(UINT nKey)
{
    return DialogStep{DialogStep::Kind::Key, nKey, CString(), 0};
}

void ScriptNextDialog(UINT nTemplateID, std::vector<DialogStep> steps)
{
    EnsureHook();
    s_scripts.push_back(Script{nTemplateID, std::move(steps)});
}

size_t GetPendingScriptCount()
{
    return s_scripts.size();
}

bool SaveWindowPng(CWnd* pWnd, const char* szPath)
{
    HWND hTop = TopOf(pWnd);
    if (!IsLiveWindow(hTop))
        return false;
    RunUntilIdle();
    return hTop->m_pSurface->SavePng(szPath);
}

CString BuildFolderPath(const char* szName)
{
    const char* szFolder = std::getenv("ORVEL_BUILD_DIR");
    CString strPath = szFolder != nullptr && *szFolder != '\0' ? CString(szFolder) + "/" : CString();
    return strPath + szName;
}

void ResetDriver()
{
    EnsureHook();
    s_messageBoxAnswers.clear();
    s_messageBoxes.clear();
    s_fileAnswers.clear();
    s_fileDialogs.clear();
    s_scripts.clear();
    s_seenDialogs.clear();
    s_activeScripts.clear();
    // Emptied directly rather than by peeking: a peek makes a fresh WM_PAINT for every
    // invalid window each time, so removing without dispatching would never run dry.
    CInputRouter::ForgetAll();
    CMessageQueue::Get().DiscardPosted();
    SetFocusWindow(nullptr);
    SetCaptureWindow(nullptr);
    ResetSleepRecord();
}

} // namespace plat::test
