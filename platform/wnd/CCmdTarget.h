#pragma once
// CCmdTarget: the root of everything that has a message map. It routes commands (WM_COMMAND
// ids with their notification codes) through the class chain's tables.

#include "platform/wnd/msgmap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Calls the handler of command nID with code nCode, looking up the class chain; with
    // pHandlerInfo it only reports the handler. TRUE when a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The first entry for nMessage (and, for WM_COMMAND, code and id) in the class chain.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
