#include "platform/wnd/CFileDialog.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/base/runtime.h"
#include "platform/wnd/ControlOps.h"
#include "platform/wnd/ModalHooks.h"
#include "platform/wnd/WindowTree.h"

namespace {

// The layout of the dialog, in dialog units. The name and type fields are wide enough for a
// file type such as "Bridge/Dummy statistics files (*.csv)" to show whole.
constexpr int DIALOG_WIDTH = 282;
constexpr int DIALOG_HEIGHT = 176;
constexpr int FIELD_LEFT = 60;
constexpr int FIELD_WIDTH = 160;
constexpr int BUTTON_LEFT = FIELD_LEFT + FIELD_WIDTH + 6;
constexpr int FILES_LEFT = 113;
constexpr int FILES_WIDTH = DIALOG_WIDTH - 7 - FILES_LEFT;

bool IsFolder(const CString& strPath)
{
    struct stat info = {};
    return stat(strPath, &info) == 0 && S_ISDIR(info.st_mode);
}

bool Exists(const CString& strPath)
{
    struct stat info = {};
    return stat(strPath, &info) == 0;
}

CString CurrentFolder()
{
    char szFolder[PATH_MAX] = {};
    return _getcwd(szFolder, sizeof(szFolder)) != nullptr ? CString(szFolder) : CString(".");
}

int LastSlash(const CString& strPath)
{
    int nSlash = -1;
    for (int i = 0; i < strPath.GetLength(); ++i) {
        if (strPath[i] == '/')
            nSlash = i;
    }
    return nSlash;
}

} // namespace

BEGIN_MESSAGE_MAP(CFileDialog, CDialog)
    ON_LBN_SELCHANGE(IDC_FILE_FILES, &CFileDialog::OnFileSelected)
    ON_CONTROL(LBN_DBLCLK, IDC_FILE_FILES, &CFileDialog::OnFileDoubleClicked)
    ON_CONTROL(LBN_DBLCLK, IDC_FILE_FOLDERS, &CFileDialog::OnFolderDoubleClicked)
    ON_CBN_SELCHANGE(IDC_FILE_TYPES, &CFileDialog::OnTypeChanged)
END_MESSAGE_MAP()

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR szDefExt, LPCTSTR szFileName, DWORD dwFlags,
                         LPCTSTR szFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_dwFlags(dwFlags), m_strDefExt(szDefExt),
      m_strInitialName(szFileName)
{
    ParseFilter(szFilter);
    BuildTemplate();
    InitModalIndirect(&m_template, pParentWnd);
}

void CFileDialog::ParseFilter(LPCTSTR szFilter)
{
    CString strFilter = szFilter;
    std::vector<CString> parts;
    CString strPart;
    for (int i = 0; i < strFilter.GetLength(); ++i) {
        if (strFilter[i] == '|') {
            parts.push_back(strPart);
            strPart.Empty();
        } else {
            strPart += strFilter[i];
        }
    }
    if (!strPart.IsEmpty())
        parts.push_back(strPart);
    for (size_t i = 0; i + 1 < parts.size() && !parts[i].IsEmpty(); i += 2) {
        Filter filter;
        filter.strDescription = parts[i];
        CString strPattern;
        for (int n = 0; n <= parts[i + 1].GetLength(); ++n) {
            if (n == parts[i + 1].GetLength() || parts[i + 1][n] == ';') {
                if (!strPattern.IsEmpty())
                    filter.patterns.push_back(strPattern);
                strPattern.Empty();
            } else {
                strPattern += parts[i + 1][n];
            }
        }
        m_filters.push_back(filter);
    }
    if (m_filters.empty())
        m_filters.push_back(Filter{"All files (*.*)", {"*"}});
}

void CFileDialog::BuildTemplate()
{
    m_template.nID = plat::IDD_LAYER_FILEDIALOG;
    m_template.strCaption = m_bOpenFileDialog ? "Open" : "Save As";
    m_template.x = m_template.y = 20;
    m_template.cx = DIALOG_WIDTH;
    m_template.cy = DIALOG_HEIGHT;
    m_template.dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    std::vector<CDialogItem>& c = m_template.controls;
    c.push_back({IDC_STATIC, ControlKind::Static, "Look in:", 7, 7, 40, 9});
    c.push_back({IDC_FILE_FOLDER, ControlKind::Static, "", 50, 7, DIALOG_WIDTH - 7 - 50, 9, SS_NOPREFIX});
    c.push_back({IDC_STATIC, ControlKind::Static, "&Folders:", 7, 20, 100, 9});
    c.push_back({IDC_FILE_FOLDERS, ControlKind::ListBox, "", 7, 30, 100, 92, WS_VSCROLL | LBS_NOTIFY});
    c.push_back({IDC_STATIC, ControlKind::Static, "F&iles:", FILES_LEFT, 20, FILES_WIDTH, 9});
    c.push_back({IDC_FILE_FILES, ControlKind::ListBox, "", FILES_LEFT, 30, FILES_WIDTH, 92, WS_VSCROLL | LBS_NOTIFY});
    c.push_back({IDC_STATIC, ControlKind::Static, "File &name:", 7, 129, 50, 9});
    c.push_back({IDC_FILE_NAME, ControlKind::Edit, "", FIELD_LEFT, 127, FIELD_WIDTH, 13});
    c.push_back({IDC_STATIC, ControlKind::Static, "Files of &type:", 7, 147, 50, 9});
    c.push_back({IDC_FILE_TYPES, ControlKind::ComboBox, "", FIELD_LEFT, 145, FIELD_WIDTH, 60, CBS_DROPDOWNLIST});
    c.push_back({IDC_FILE_READONLY, ControlKind::CheckBox, "&Read only", FIELD_LEFT, 162, 80, 10, 0,
                 (m_dwFlags & OFN_HIDEREADONLY) != 0 ? WS_VISIBLE : 0u});
    c.push_back({IDOK, ControlKind::DefPushButton, m_bOpenFileDialog ? "&Open" : "&Save", BUTTON_LEFT, 126, 49, 14});
    c.push_back({IDCANCEL, ControlKind::PushButton, "Cancel", BUTTON_LEFT, 144, 49, 14});
    for (const Filter& filter : m_filters)
        c[9].items.push_back(filter.strDescription);
}

INT_PTR CFileDialog::DoModal()
{
    m_strStartFolder = CurrentFolder();
    m_strFileName.Empty();
    m_strPathName.Empty();
    INT_PTR nResult = CDialog::DoModal();
    if (nResult != IDOK || (m_dwFlags & OFN_NOCHANGEDIR) != 0)
        _chdir(m_strStartFolder);
    return nResult;
}

BOOL CFileDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    plat::ListSetCurSel(GetDlgItem(IDC_FILE_TYPES)->m_hWnd, 0);
    SetDlgItemText(IDC_FILE_NAME, m_strInitialName);
    Refill();
    // The keyboard starts in the name field with its text selected: a name typed replaces
    // it and Enter takes it.
    GetDlgItem(IDC_FILE_NAME)->SetFocus();
    return FALSE;
}

void CFileDialog::Refill()
{
    HWND hFolders = GetDlgItem(IDC_FILE_FOLDERS)->m_hWnd;
    HWND hFiles = GetDlgItem(IDC_FILE_FILES)->m_hWnd;
    plat::ListResetContent(hFolders);
    plat::ListResetContent(hFiles);
    plat::ListDir(hFolders, DDL_DIRECTORY | DDL_EXCLUSIVE, "*");
    int nType = std::max(0, plat::ListGetCurSel(GetDlgItem(IDC_FILE_TYPES)->m_hWnd));
    if (nType < static_cast<int>(m_filters.size())) {
        for (const CString& strPattern : m_filters[nType].patterns)
            plat::ListDir(hFiles, DDL_READWRITE, strPattern);
    }
    SetDlgItemText(IDC_FILE_FOLDER, CurrentFolder());
}

void CFileDialog::EnterFolder(const CString& strFolder)
{
    if (_chdir(strFolder) == 0)
        Refill();
}

void CFileDialog::OnFileSelected()
{
    HWND hFiles = GetDlgItem(IDC_FILE_FILES)->m_hWnd;
    CString strName;
    plat::ListGetText(hFiles, plat::ListGetCurSel(hFiles), strName);
    SetDlgItemText(IDC_FILE_NAME, strName);
}

void CFileDialog::OnFileDoubleClicked()
{
    OnFileSelected();
    OnOK();
}

void CFileDialog::OnFolderDoubleClicked()
{
    HWND hFolders = GetDlgItem(IDC_FILE_FOLDERS)->m_hWnd;
    CString strEntry;
    if (plat::ListGetText(hFolders, plat::ListGetCurSel(hFolders), strEntry) > 2)
        EnterFolder(strEntry.Mid(1, strEntry.GetLength() - 2));
}

void CFileDialog::OnTypeChanged()
{
    Refill();
}

bool CFileDialog::AcceptName(CString strName)
{
    // A folder that is not there stays part of the name: the caller's open or save then
    // fails on it and reports the system's reason, rather than the dialog doing nothing.
    CString strMissingFolder;
    int nSlash = LastSlash(strName);
    if (nSlash >= 0) {
        CString strFolder = nSlash == 0 ? CString("/") : strName.Left(nSlash);
        if (IsFolder(strFolder))
            EnterFolder(strFolder);
        else
            strMissingFolder = strName.Left(nSlash + 1);
        strName = strName.Mid(nSlash + 1);
    }
    if (strName.IsEmpty())
        return false;
    if (strMissingFolder.IsEmpty() && IsFolder(strName)) {
        EnterFolder(strName);
        SetDlgItemText(IDC_FILE_NAME, "");
        return false;
    }
    if (strName.Find('.') < 0 && !m_strDefExt.IsEmpty())
        strName += CString(".") + m_strDefExt;
    strName = strMissingFolder + strName;
    CString strCaption;
    GetWindowText(strCaption);
    if (m_bOpenFileDialog && (m_dwFlags & OFN_FILEMUSTEXIST) != 0 && !Exists(strName)) {
        MessageBox(strName + "\nFile not found.\nCheck the file name and try again.", strCaption, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    if (!m_bOpenFileDialog && (m_dwFlags & OFN_OVERWRITEPROMPT) != 0 && Exists(strName) &&
        MessageBox(strName + " already exists.\nDo you want to replace it?", strCaption,
                   MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return false;
    m_strFileName = strName;
    m_strPathName = CurrentFolder() + "/" + strName;
    return true;
}

void CFileDialog::OnOK()
{
    CString strName;
    GetDlgItemText(IDC_FILE_NAME, strName);
    if (AcceptName(strName))
        EndDialog(IDOK);
}

void CFileDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

CString CFileDialog::GetFileExt() const
{
    int nDot = m_strFileName.Find('.');
    int nLast = nDot;
    while (nDot >= 0) {
        nLast = nDot;
        nDot = m_strFileName.Find('.', nDot + 1);
    }
    return nLast >= 0 ? m_strFileName.Mid(nLast + 1) : CString();
}

CString CFileDialog::GetFileTitle() const
{
    CString strExt = GetFileExt();
    return strExt.IsEmpty() ? m_strFileName : m_strFileName.Left(m_strFileName.GetLength() - strExt.GetLength() - 1);
}
