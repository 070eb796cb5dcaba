// CFileDialog: typed names with and without extension, the overwrite prompt, folders
// entered by name, Cancel, and the current folder left where the file was chosen.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/testing/driver.h"
#include "platform/wnd.h"
#include "tests/support/CTempWorkingFolder.h"

namespace test = plat::test;

namespace {

const char* const BRG_FILTER = "Bridge/Dummy files (*.brg)|*.brg||";

CString CurrentFolder()
{
    char szFolder[4096] = {};
    return getcwd(szFolder, sizeof(szFolder));
}

class CFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(mkdir("hands", 0700), 0);
        TouchFile("old.brg");
    }

    // The fixture's own folder: the current one during each test.
    CTempWorkingFolder m_folder;
};

} // namespace

TEST_F(CFileDialogTest, SaveAppendsTheDefaultExtensionToANameWithout)
{
    CFileDialog dlg(FALSE, "brg", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, BRG_FILTER);
    test::QueueFileDialogAnswer("deal");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetFileName(), "deal.brg");
    EXPECT_EQ(dlg.GetFileExt(), "brg");
    EXPECT_EQ(dlg.GetFileTitle(), "deal");
    EXPECT_EQ(dlg.GetPathName(), m_folder.GetPath() + "/deal.brg");
    ASSERT_EQ(test::GetFileDialogs().size(), 1u);
    EXPECT_EQ(test::GetFileDialogs()[0].strCaption, "Save As");
}

TEST_F(CFileDialogTest, NameWithAnExtensionIsKeptAsTyped)
{
    CFileDialog dlg(FALSE, "xml", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Bridge files (*.xml)|*.xml||");
    test::QueueFileDialogAnswer("deal.v2");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetFileName(), "deal.v2");
}

TEST_F(CFileDialogTest, OverwritePromptAnsweredNoKeepsTheDialogOpenForAnotherName)
{
    CFileDialog dlg(FALSE, "brg", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, BRG_FILTER);
    test::QueueFileDialogAnswer("old");
    test::QueueMessageBoxAnswer(IDNO);
    test::QueueFileDialogAnswer("new");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetFileName(), "new.brg");
    ASSERT_EQ(test::GetMessageBoxes().size(), 1u);
    EXPECT_EQ(test::GetMessageBoxes()[0].strText, "old.brg already exists.\nDo you want to replace it?");
}

TEST_F(CFileDialogTest, OverwritePromptAnsweredYesTakesTheFile)
{
    CFileDialog dlg(FALSE, "brg", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, BRG_FILTER);
    test::QueueFileDialogAnswer("old.brg");
    test::QueueMessageBoxAnswer(IDYES);
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetFileName(), "old.brg");
}

TEST_F(CFileDialogTest, ChosenFolderStaysCurrentAfterOK)
{
    CFileDialog dlg(TRUE, "brg", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, BRG_FILTER);
    test::QueueFileDialogAnswer("hands/first");
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetFileName(), "first.brg");
    EXPECT_EQ(CurrentFolder(), m_folder.GetPath() + "/hands");
}

TEST_F(CFileDialogTest, CancelReturnsCancelAndRestoresTheFolder)
{
    CFileDialog dlg(TRUE, "brg", nullptr, OFN_HIDEREADONLY, BRG_FILTER);
    test::QueueFileDialogAnswer("hands");
    test::QueueFileDialogCancel();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(CurrentFolder(), m_folder.GetPath());
    EXPECT_TRUE(dlg.GetFileName().IsEmpty());
}

TEST_F(CFileDialogTest, ListsFoldersAndTheFilesOfTheFilterWithReadOnlyBoxHidden)
{
    TouchFile("notes.txt");
    struct CProbe : CFileDialog {
        using CFileDialog::CFileDialog;
        std::vector<CString> m_files;
        std::vector<CString> m_folders;
        bool m_bReadOnlyVisible = true;
        BOOL OnInitDialog() override
        {
            CFileDialog::OnInitDialog();
            auto* pFiles = static_cast<CListBox*>(GetDlgItem(IDC_FILE_FILES));
            auto* pFolders = static_cast<CListBox*>(GetDlgItem(IDC_FILE_FOLDERS));
            for (int i = 0; i < pFiles->GetCount(); ++i) {
                m_files.emplace_back();
                pFiles->GetText(i, m_files.back());
            }
            for (int i = 0; i < pFolders->GetCount(); ++i) {
                m_folders.emplace_back();
                pFolders->GetText(i, m_folders.back());
            }
            m_bReadOnlyVisible = GetDlgItem(IDC_FILE_READONLY)->IsWindowVisible() != FALSE;
            return TRUE;
        }
    } dlg(TRUE, "brg", nullptr, OFN_HIDEREADONLY, BRG_FILTER);
    test::QueueFileDialogCancel();
    dlg.DoModal();
    EXPECT_EQ(dlg.m_files, std::vector<CString>{"old.brg"});
    EXPECT_EQ(dlg.m_folders, (std::vector<CString>{"[..]", "[hands]"}));
    EXPECT_FALSE(dlg.m_bReadOnlyVisible);
}
