#pragma once
// CMauMauListener: passes what the network table's connection reports on to the table.

#include "nettable/ConnectionListener.h"

class CMauMauDlg;

class CMauMauListener : public CConnectionListener {
public:
    // pDlg (not owned) owns this listener.
    explicit CMauMauListener(CMauMauDlg* pDlg);

    void OnConnectionState(int nState) override;
    void OnText(const CString& strText) override;

private:
    CMauMauDlg* m_pDlg;
};
