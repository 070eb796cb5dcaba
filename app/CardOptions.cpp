#include "app/CardOptions.h"

#include "resources/resource.h"

CCardOptions::CCardOptions() : CDialog(IDD_CARD_OPTIONS, nullptr)
{
}

void CCardOptions::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_CARD_DELAY, m_strCardDelay);
}
