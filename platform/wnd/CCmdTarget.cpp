#include "platform/wnd/CCmdTarget.h"

namespace {

// The root of every chain: no entries and no base.
const AFX_MSGMAP_ENTRY s_rootEntries[] = { { 0, 0, 0, 0, nullptr } };
const AFX_MSGMAP s_rootMap = { nullptr, &s_rootEntries[0] };

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID)
{
    if (entry.nMessage != nMessage)
        return false;
    if (nMessage != WM_COMMAND)
        return true;
    return entry.nCode == nCode && nID >= entry.nID && nID <= entry.nLastID;
}

} // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    return &s_rootMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nMessage != 0; ++pEntry) {
            if (EntryMatches(*pEntry, nMessage, nCode, nID))
                return pEntry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* /*pExtra*/, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (pEntry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pfn = pEntry->pfn;
        return TRUE;
    }
    pEntry->pfn(this, nID, 0);
    return TRUE;
}
