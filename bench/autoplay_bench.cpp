// Whole deals played by the computer at every seat, as full automatic play plays them: the
// bridge dialog with the auction (the auction, then the 52 cards; goal: at least 1,000 deals a
// second) and the plain bridge table (the 52 cards). Headless, with a card delay of 0, the
// launcher and the explanation window open, so every card still slides, draws and explains
// itself as on screen. A passed-out deal counts as a deal, as it does in full automatic play.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

#include "app/GameFactory.h"
#include "app/MainDlg.h"
#include "bridge/table/BidWhistDlg.h"
#include "bridge/table/DummyDlg.h"
#include "cardtable/CardGlobals.h"
#include "cardtable/CardPile.h"
#include "cardtable/RegSettings.h"
#include "cardtable/SettingsKeys.h"
#include "platform/backend/backend.h"
#include "platform/reg/registry.h"
#include "resources/Resources.h"
#include "resources/resource.h"

namespace {

// The first deal's game number, the same in every run.
constexpr int FIRST_GAME_NUMBER = 1;
// Deals still to come automatically, set again before every deal so that the computer keeps
// every seat and no score box waits for a click.
constexpr int AUTOMATIC_DEALS = 1000000;

// The table with the deal loop open to the bench.
template <class TTable>
class CBenchTable : public TTable {
public:
    using TTable::TTable;

    // Plays the deal on the table to its end, then the next one is dealt (a passed-out deal
    // is followed by the next one already).
    void PlayOneDeal()
    {
        this->m_nAutoDeals = AUTOMATIC_DEALS;
        this->m_bManual[CDummyDlg::SEAT_SOUTH] = false;
        this->OnPlay();
        if (this->m_nState == STATE_PLAYING)
            this->NextDeal();
    }
};

template <class TTable>
CGameDlg* MakeTable(CMainDlg* pMainDlg)
{
    return new CBenchTable<TTable>(pMainDlg, pMainDlg);
}

// A settings folder of the bench's own, removed with everything in it when the program ends.
class CSettingsFolder {
public:
    CSettingsFolder()
    {
        char szFolder[] = "/tmp/orvel-autoplay-bench.XXXXXX";
        if (::mkdtemp(szFolder) == nullptr)
            return;
        m_strFolder = szFolder;
        ::setenv("XDG_CONFIG_HOME", szFolder, 1);
    }

    ~CSettingsFolder()
    {
        if (m_strFolder.empty())
            return;
        const std::string strFile = plat::RegistryFilePath();
        std::remove(strFile.c_str());
        ::rmdir(strFile.substr(0, strFile.rfind('/')).c_str());
        ::rmdir(m_strFolder.c_str());
    }

private:
    std::string m_strFolder;
};

// Headless windows and settings of the bench's own with a card delay of 0; once.
void PrepareOnce()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    s_bDone = true;
    plat::UseHeadlessBackend();
    static CSettingsFolder s_folder;
    using namespace settings_keys;
    CRegSettings settings(ROOT_KEY, MAKER_KEY, SUITE_KEY);
    settings.WriteInt(CARD_DELAY_VALUE, 0);
    settings.WriteInt(VERSION_VALUE, SETTINGS_VERSION);
    RegisterAllResources();
}

// Opens the launcher and in it the table of TTable, then plays deal after deal.
template <class TTable, UINT ID_COMMAND>
void PlayDeals(benchmark::State& state)
{
    PrepareOnce();
    CGameFactory::Register(ID_COMMAND, IDD_GAME_TABLE, MakeTable<TTable>);
    g_bSeeded = true;
    CCardPile::SetGameNumber(FIRST_GAME_NUMBER);
    auto pMainDlg = std::make_unique<CMainDlg>();
    if (!pMainDlg->Create(IDD_MAIN)) {
        state.SkipWithError("the launcher could not be created");
        return;
    }
    pMainDlg->SendMessage(WM_COMMAND, ID_COMMAND);
    auto* pTable = static_cast<CBenchTable<TTable>*>(pMainDlg->GetGameDlg(0));
    if (pTable == nullptr) {
        state.SkipWithError("the table did not open");
        return;
    }
    for (auto _ : state)
        pTable->PlayOneDeal();
    state.counters["deals/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
    pMainDlg.reset();
    CGameFactory::Unregister(ID_COMMAND);
}

void AuctionAndPlay(benchmark::State& state)
{
    PlayDeals<CBidWhistDlg, ID_FILE_PLAYBRIDGE>(state);
}
BENCHMARK(AuctionAndPlay)->Unit(benchmark::kMicrosecond);

void PlainTablePlay(benchmark::State& state)
{
    PlayDeals<CDummyDlg, ID_GAME_DUMMY>(state);
}
BENCHMARK(PlainTablePlay)->Unit(benchmark::kMicrosecond);

} // namespace
