#include "nettable/MauMauListener.h"

#include "nettable/MauMauDlg.h"

CMauMauListener::CMauMauListener(CMauMauDlg* pDlg) : m_pDlg(pDlg)
{
}

void CMauMauListener::OnConnectionState(int nState)
{
    m_pDlg->OnConnectionState(nState);
}

void CMauMauListener::OnText(const CString& strText)
{
    m_pDlg->OnText(strText);
}
