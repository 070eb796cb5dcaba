#pragma once
// CCardOptions: the card options box (template 276), where the person types the card delay,
// the pause in milliseconds between the steps of a card movement.

#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CDialog.h"

class CCardOptions : public CDialog {
public:
    CCardOptions();

    // The text of the card-delay field (edit 1007), exchanged when the box opens and on OK.
    CString m_strCardDelay;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
