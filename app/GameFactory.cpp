#include "app/GameFactory.h"

#include <map>

namespace {

std::map<UINT, GameFactoryEntry>& Entries()
{
    static std::map<UINT, GameFactoryEntry> s_entries;
    return s_entries;
}

} // namespace

void CGameFactory::Register(UINT nCommandID, UINT nTemplateID, GameMaker pfnMake)
{
    Entries()[nCommandID] = GameFactoryEntry{nTemplateID, pfnMake};
}

void CGameFactory::Unregister(UINT nCommandID)
{
    Entries().erase(nCommandID);
}

const GameFactoryEntry* CGameFactory::Find(UINT nCommandID)
{
    const auto it = Entries().find(nCommandID);
    return it == Entries().end() ? nullptr : &it->second;
}
