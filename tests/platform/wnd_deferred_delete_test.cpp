// CWnd::DeleteLater while handlers are still running below it: a window that asks for its
// deletion waits for its own handlers and for those of the windows destroyed with it (its
// controls, the controls of its child windows, its owned windows), since those are often
// members of it; a window outside it is not held back.

#include <gtest/gtest.h>

#include "platform/res/resources.h"
#include "platform/testing/driver.h"
#include "platform/wnd.h"

namespace test = plat::test;

namespace {

constexpr UINT IDD_TABLE = 9310;
constexpr UINT IDD_NOTE = 9311;
constexpr int IDC_PLAY = 1000;
constexpr int IDC_CLOSE_NOW = 1001;
constexpr int IDC_INNER = 1002;
constexpr int IDC_NOTE_CLOSE_OWNER = 1003;

void RegisterTemplates()
{
    CDialogTemplate table{IDD_TABLE, "Table", 0, 0, 200, 120, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE};
    table.controls = {
        {IDC_PLAY, ControlKind::PushButton, "&Play", 10, 10, 50, 14},
        {IDC_CLOSE_NOW, ControlKind::PushButton, "&Close", 70, 10, 50, 14},
    };
    AfxRegisterDialogTemplate(table);
    CDialogTemplate note{IDD_NOTE, "Note", 0, 0, 120, 60, WS_POPUP | WS_CAPTION | WS_VISIBLE};
    note.controls = {{IDC_NOTE_CLOSE_OWNER, ControlKind::PushButton, "Close &table", 10, 10, 60, 14}};
    AfxRegisterDialogTemplate(note);
}

// What happened to a table, kept outside it so that it can be read after the table is gone.
struct TableRecord {
    bool bDeleted = false;
    int nPumped = 0;
    // Set by a handler as its last step: whether the table was already deleted then.
    int nHandlersReturned = 0;
    bool bDeletedBeforeAHandlerReturned = false;
    bool bOtherDeletedAtOnce = false;
};

// Closes window pTarget and pumps messages until none is left, as a computer turn does;
// then notes in pRecord that the handler calling it is about to return.
void CloseAndPump(CWnd* pTarget, TableRecord* pRecord)
{
    pTarget->PostMessage(WM_CLOSE);
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
        ++pRecord->nPumped;
    }
    pRecord->bDeletedBeforeAHandlerReturned |= pRecord->bDeleted;
    ++pRecord->nHandlersReturned;
}

// A child window inside the table with a button of its own: the button is a grandchild of
// the table and a member of a member. Its click closes the table from the panel's handler.
class CPanel : public CWnd {
public:
    CButton m_btnInner;
    TableRecord* m_pRecord = nullptr;
    int m_nInnerClicks = 0;

protected:
    afx_msg void OnInner()
    {
        CloseAndPump(GetParent(), m_pRecord);
        ++m_nInnerClicks;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPanel, CWnd)
    ON_BN_CLICKED(IDC_INNER, &CPanel::OnInner)
END_MESSAGE_MAP()

// A modeless note owned by the table, as an explanation window is: its button closes the
// table from the note's handler.
class CNoteDlg : public CDialog {
public:
    CButton m_btnCloseOwner;
    TableRecord* m_pRecord = nullptr;
    int m_nClicks = 0;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_btnCloseOwner.SubclassDlgItem(IDC_NOTE_CLOSE_OWNER, this);
        return TRUE;
    }

protected:
    afx_msg void OnCloseOwner()
    {
        CloseAndPump(GetOwner(), m_pRecord);
        ++m_nClicks;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoteDlg, CDialog)
    ON_BN_CLICKED(IDC_NOTE_CLOSE_OWNER, &CNoteDlg::OnCloseOwner)
END_MESSAGE_MAP()

// A game table in the manner of the card games: Play runs the computer's turns, pumping
// messages; the close box destroys the window and disposes of the object. Its buttons, the
// panel and the note are members, so they go with it.
class CTableDlg : public CDialog {
public:
    explicit CTableDlg(TableRecord* pRecord) : m_pRecord(pRecord)
    {
        m_panel.m_pRecord = pRecord;
        m_note.m_pRecord = pRecord;
    }
    ~CTableDlg() override { m_pRecord->bDeleted = true; }

    CButton m_btnPlay;
    CButton m_btnCloseNow;
    CPanel m_panel;
    CNoteDlg m_note;
    // Another table the Close button disposes of instead of this one, and its record.
    CTableDlg* m_pOther = nullptr;
    TableRecord* m_pOtherRecord = nullptr;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_btnPlay.SubclassDlgItem(IDC_PLAY, this);
        m_btnCloseNow.SubclassDlgItem(IDC_CLOSE_NOW, this);
        return TRUE;
    }

    bool AddPanel()
    {
        return m_panel.CreateEx(0, "", WS_CHILD | WS_VISIBLE, CRect(10, 40, 190, 110), this, 0) &&
               m_panel.m_btnInner.Create("Inner", BS_PUSHBUTTON | WS_CHILD | WS_VISIBLE, CRect(5, 5, 80, 30),
                                         &m_panel, IDC_INNER);
    }

    bool ShowNote() { return m_note.Create(IDD_NOTE, this) != FALSE; }

protected:
    afx_msg void OnPlay() { CloseAndPump(this, m_pRecord); }
    afx_msg void OnCloseNow()
    {
        CTableDlg* pTarget = m_pOther != nullptr ? m_pOther : this;
        pTarget->DestroyWindow();
        pTarget->DeleteLater();
        if (m_pOtherRecord != nullptr)
            m_pRecord->bOtherDeletedAtOnce = m_pOtherRecord->bDeleted;
    }
    afx_msg void OnClose()
    {
        DestroyWindow();
        DeleteLater();
    }
    DECLARE_MESSAGE_MAP()

private:
    TableRecord* m_pRecord;
};

BEGIN_MESSAGE_MAP(CTableDlg, CDialog)
    ON_BN_CLICKED(IDC_PLAY, &CTableDlg::OnPlay)
    ON_BN_CLICKED(IDC_CLOSE_NOW, &CTableDlg::OnCloseNow)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

class CWndDeleteLaterTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTemplates(); }
    void TearDown() override { test::ResetDriver(); }

    static CTableDlg* OpenTable(TableRecord* pRecord)
    {
        CTableDlg* pTable = new CTableDlg(pRecord);
        EXPECT_TRUE(pTable->Create(IDD_TABLE));
        return pTable;
    }

    // The table was closed inside one handler's loop and deleted only after it returned.
    static void ExpectDeletedAfterTheHandler(const TableRecord& record)
    {
        EXPECT_GE(record.nPumped, 1) << "the close arrived inside the handler's loop";
        EXPECT_EQ(record.nHandlersReturned, 1);
        EXPECT_FALSE(record.bDeletedBeforeAHandlerReturned);
        EXPECT_TRUE(record.bDeleted) << "deleted once the handlers below it returned";
    }
};

} // namespace

TEST_F(CWndDeleteLaterTest, CloseDuringPumpingInAButtonsClickWaitsForTheButtonsHandler)
{
    TableRecord record;
    CTableDlg* pTable = OpenTable(&record);
    ASSERT_TRUE(test::ClickControl(pTable, IDC_PLAY));
    test::RunUntilIdle();
    ExpectDeletedAfterTheHandler(record);
}

TEST_F(CWndDeleteLaterTest, PlayPressedWithTheSpaceBarAlsoWaitsForTheButton)
{
    TableRecord record;
    CTableDlg* pTable = OpenTable(&record);
    pTable->m_btnPlay.SetFocus();
    test::PressKey(pTable, VK_SPACE);
    test::RunUntilIdle();
    ExpectDeletedAfterTheHandler(record);
}

TEST_F(CWndDeleteLaterTest, DeletionAskedInTheClickHandlerItselfWaitsForTheButton)
{
    TableRecord record;
    CTableDlg* pTable = OpenTable(&record);
    ASSERT_TRUE(test::ClickControl(pTable, IDC_CLOSE_NOW));
    test::RunUntilIdle();
    EXPECT_TRUE(record.bDeleted);
}

TEST_F(CWndDeleteLaterTest, HandlersOfAChildWindowAndItsControlHoldTheTableBack)
{
    TableRecord record;
    CTableDlg* pTable = OpenTable(&record);
    ASSERT_TRUE(pTable->AddPanel());
    ASSERT_TRUE(test::ClickControl(&pTable->m_panel, IDC_INNER));
    test::RunUntilIdle();
    ExpectDeletedAfterTheHandler(record);
}

TEST_F(CWndDeleteLaterTest, HandlerOfAnOwnedWindowHoldsItsOwnerBack)
{
    TableRecord record;
    CTableDlg* pTable = OpenTable(&record);
    ASSERT_TRUE(pTable->ShowNote());
    ASSERT_TRUE(test::ClickControl(&pTable->m_note, IDC_NOTE_CLOSE_OWNER));
    test::RunUntilIdle();
    ExpectDeletedAfterTheHandler(record);
}

TEST_F(CWndDeleteLaterTest, AnUnrelatedWindowIsDeletedAtOnceFromAnotherWindowsHandler)
{
    TableRecord record;
    TableRecord recordOther;
    CTableDlg* pTable = OpenTable(&record);
    pTable->m_pOther = OpenTable(&recordOther);
    pTable->m_pOtherRecord = &recordOther;
    ASSERT_TRUE(test::ClickControl(pTable, IDC_CLOSE_NOW));
    test::RunUntilIdle();
    EXPECT_TRUE(record.bOtherDeletedAtOnce);
    EXPECT_FALSE(record.bDeleted);
    pTable->DestroyWindow();
    pTable->DeleteLater();
    EXPECT_TRUE(record.bDeleted) << "no handler runs: deleted at once";
}
