#pragma once
// CShownDialogTest: a test fixture whose every-control dialog is created modeless, shown and
// painted before each test, for the tests that click, type into and look at its controls.

#include <gtest/gtest.h>

#include "platform/testing/driver.h"
#include "platform/wnd/CComboBox.h"
#include "tests/platform/dialog_fixture.h"

class CShownDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fixture::RegisterEveryControlTemplate();
        ASSERT_TRUE(m_dlg.Create(fixture::IDD_EVERY_CONTROL));
        m_dlg.ShowWindow(SW_SHOW);
        plat::test::RunUntilIdle();
    }

    // Combo box nID of the dialog.
    CComboBox* Combo(int nID) { return static_cast<CComboBox*>(m_dlg.GetDlgItem(nID)); }

    fixture::CEveryControlDlg m_dlg;
};
