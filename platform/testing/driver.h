#pragma once
// The test driver of the headless backend: input at points or on control ids, menu
// commands, answers for the next message boxes and file dialogs (with a record of what they
// said), scripts for the next modal dialog of a template, running the loop until it is
// idle, and saving a window as PNG. Input goes through the same router the real backend
// feeds, so it reaches windows exactly as a person's would.
//
// Modal loops cannot return to the test while they run; what a modal dialog should do is
// therefore queued beforehand and carried out when its loop first has nothing to do.

#include <vector>

#include "platform/base/CString.h"
#include "platform/base/geometry.h"
#include "platform/base/types.h"

class CWnd;

namespace plat::test {

// Input. Points are client coordinates of pWnd; the input goes to pWnd's top-level window
// and reaches whatever lies under the point then (or holds the mouse capture).
void MouseDown(CWnd* pWnd, CPoint point);
void MouseUp(CWnd* pWnd, CPoint point);
void MouseMove(CWnd* pWnd, CPoint point);
void Click(CWnd* pWnd, CPoint point);
// Press at ptFrom, move in nSteps steps, release at ptTo.
void Drag(CWnd* pWnd, CPoint ptFrom, CPoint ptTo, int nSteps = 4);
// Clicks the middle of control nID of pDialog; false when there is no such control.
bool ClickControl(CWnd* pDialog, UINT nID);
// A key pressed and released in pWnd's top-level window (to its focused control).
void PressKey(CWnd* pWnd, UINT nKey);
// Alt held while nKey is pressed (menu mnemonics, Alt+Space).
void PressAltKey(CWnd* pWnd, UINT nKey);
// Types UTF-8 text character by character.
void TypeText(CWnd* pWnd, const char* szText);
// Chooses command nID from pWnd's menu bar as a click would; false when the menu has no
// such item or it is greyed (nothing is sent then).
bool ChooseMenuCommand(CWnd* pWnd, UINT nID);
// Presses the close box of pWnd's top-level window, as the window system reports it.
void PressCloseBox(CWnd* pWnd);

// Dispatches messages (input, posted messages, paints) until none is left.
void RunUntilIdle();

// Message boxes: each box takes the next queued answer (IDOK, IDCANCEL, IDYES, IDNO) and
// presses that button; with no answer queued it presses its default button and is recorded
// as unanswered.
struct MessageBoxRecord {
    CString strText;
    CString strCaption;
    int nResult;
    bool bAnswered;
    // The box's outer width in pixels.
    int nWidth;
    // Where the box stood on the screen (its content area, without a manager's frame).
    CRect rectWindow;
};
void QueueMessageBoxAnswer(int nResult);
const std::vector<MessageBoxRecord>& GetMessageBoxes();

// File dialogs: each takes the next queued answer: a name typed (into the control that has
// the keyboard, as a person types) and then Enter, or Cancel. With no answer queued it
// cancels and is recorded as unanswered.
struct FileDialogRecord {
    CString strCaption;
    bool bAnswered;
};
void QueueFileDialogAnswer(const char* szName);
void QueueFileDialogCancel();
const std::vector<FileDialogRecord>& GetFileDialogs();

// One step of a modal dialog script.
struct DialogStep {
    enum class Kind { SetText, Click, SetCheck, SelectItem, Key };
    Kind kind;
    UINT nID;         // the control (Key: the virtual key)
    CString strText;  // SetText
    int nValue;       // SetCheck: 0 or 1; SelectItem: the index
};
DialogStep SetTextStep(UINT nID, const char* szText);
DialogStep ClickStep(UINT nID);
DialogStep SetCheckStep(UINT nID, int nCheck);
DialogStep SelectItemStep(UINT nID, int nIndex);
DialogStep KeyStep(UINT nKey);
// The next modal dialog made from template nTemplateID runs these steps, one each time its
// loop goes idle (so a step that opens a message box has its answer before the next step).
// Scripts for the same template are used in the order given.
void ScriptNextDialog(UINT nTemplateID, std::vector<DialogStep> steps);
// Scripts not used yet.
size_t GetPendingScriptCount();

// Saves pWnd's top-level window as it is on screen (menu bar included) as a PNG file.
bool SaveWindowPng(CWnd* pWnd, const char* szPath);
// szName inside the build folder ($ORVEL_BUILD_DIR, which every test program sets; else the
// current folder).
CString BuildFolderPath(const char* szName);

// Forgets answers, records, scripts, queued input and posted messages, and clears focus,
// capture and the Sleep record; the test support calls it around each test. What was
// queued is dropped, not dispatched. Windows stay, and an invalid one is painted by the
// next loop: a test suite may keep one from test to test.
void ResetDriver();

} // namespace plat::test
