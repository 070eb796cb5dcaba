#include "bridge/bidding/Conventions.h"

#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"

bool g_bGSF = true;
bool g_bJosephine = true;
bool g_bBlackwood = true;
bool g_bGerber = true;
bool g_bStrongNT = true;
bool g_bStayman = true;
bool g_bBaron = true;
bool g_bSwiss = true;
bool g_bCueBid = true;
bool g_bTrialBid = true;

namespace {

struct SConventionValue {
    const char* szName;
    bool* pbFlag;
};

// Registry value names in the order they are read and written.
const SConventionValue s_conventionValues[] = {
    {"GSF", &g_bGSF},
    {"Josephine", &g_bJosephine},
    {"Blackwood", &g_bBlackwood},
    {"Gerber", &g_bGerber},
    {"Baron", &g_bBaron},
    {"StrongNT", &g_bStrongNT},
    {"Stayman", &g_bStayman},
    {"Swiss", &g_bSwiss},
    {"CueBid", &g_bCueBid},
    {"TrialBid", &g_bTrialBid},
};

} // namespace

void LoadConventions()
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    for (const SConventionValue& value : s_conventionValues)
        *value.pbFlag = settings.ReadBool(value.szName, true);
}

void SaveConventions()
{
    CRegSettings settings(settings_keys::ROOT_KEY, settings_keys::MAKER_KEY,
                          settings_keys::SUITE_KEY);
    for (const SConventionValue& value : s_conventionValues)
        settings.WriteBool(value.szName, *value.pbFlag);
}
