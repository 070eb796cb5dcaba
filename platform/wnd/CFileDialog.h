#pragma once
// CFileDialog: the open and save dialog. It lists the folders of the current folder
// ("[name]", with "[..]" to go up) and the files matching the chosen filter, and has a name
// field. Filters are "Description (*.ext)|*.ext|...|" pairs; a pattern may list several
// wildcards separated by ";". On OK the default extension is appended when the typed name
// has none, a save with OFN_OVERWRITEPROMPT asks before replacing a file, and the chosen
// folder stays the current folder (unless OFN_NOCHANGEDIR); Cancel restores the folder. A
// name typed with a folder that does not exist is taken as typed, folder and all, so that
// opening or saving it fails with the system's reason for the caller to report.

#include <vector>

#include "platform/base/CString.h"
#include "platform/res/CDialogTemplate.h"
#include "platform/wnd/CDialog.h"

#define OFN_READONLY 0x00000001u
#define OFN_OVERWRITEPROMPT 0x00000002u
#define OFN_HIDEREADONLY 0x00000004u
#define OFN_NOCHANGEDIR 0x00000008u
#define OFN_PATHMUSTEXIST 0x00000800u
#define OFN_FILEMUSTEXIST 0x00001000u

class CFileDialog : public CDialog {
public:
    // Control ids of the dialog's parts.
    static constexpr int IDC_FILE_FILES = 1120;
    static constexpr int IDC_FILE_FOLDERS = 1121;
    static constexpr int IDC_FILE_TYPES = 1136;
    static constexpr int IDC_FILE_READONLY = 1040;
    static constexpr int IDC_FILE_NAME = 1152;
    static constexpr int IDC_FILE_FOLDER = 1088;

    CFileDialog(BOOL bOpenFileDialog, LPCTSTR szDefExt = nullptr, LPCTSTR szFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR szFilter = nullptr,
                CWnd* pParentWnd = nullptr);

    INT_PTR DoModal() override;

    // The chosen file's name with its extension, without the folder (but with a typed folder
    // that does not exist, relative to the current folder).
    CString GetFileName() const { return m_strFileName; }
    // The chosen file's full path.
    CString GetPathName() const { return m_strPathName; }
    // The extension without the dot ("" for none).
    CString GetFileExt() const;
    // The name without its extension.
    CString GetFileTitle() const;

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    afx_msg void OnFileSelected();
    afx_msg void OnFileDoubleClicked();
    afx_msg void OnFolderDoubleClicked();
    afx_msg void OnTypeChanged();

    DECLARE_MESSAGE_MAP()

private:
    struct Filter {
        CString strDescription;
        std::vector<CString> patterns;
    };
    void ParseFilter(LPCTSTR szFilter);
    void BuildTemplate();
    // Lists the current folder's folders and the files of the chosen filter.
    void Refill();
    void EnterFolder(const CString& strFolder);
    // True when the name (after an appended extension) may be taken.
    bool AcceptName(CString strName);

    BOOL m_bOpenFileDialog;
    DWORD m_dwFlags;
    CString m_strDefExt;
    CString m_strInitialName;
    CString m_strFileName;
    CString m_strPathName;
    CString m_strStartFolder;
    std::vector<Filter> m_filters;
    CDialogTemplate m_template;
};
