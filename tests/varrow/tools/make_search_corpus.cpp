// Writes the pinned corpus of the Varrow and Malice search: positions from seeded games
// between two computer players, each with the best score and sequence of one step's search.
// The search tests compare every later search against it move for move.
//
//   varrow_search_corpus <output file> [positions] [first game number]
//
// Games are dealt from game numbers 1, 2, ... and played turn by turn as two computer
// players play them; every step whose player has a card for a centre pile gives a position,
// the same position only once. Most games use the start size's eight centre piles, some ten
// or twelve. Every line is read back and searched again before it is written, which checks
// that the line holds all the search depends on (suits are not written).

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <set>
#include <string>

#include "cardtable/CardGlobals.h"
#include "tests/varrow/search/SearchPositionDlg.h"

namespace {

constexpr int DEFAULT_POSITIONS = 10000;
constexpr int DEFAULT_FIRST_GAME = 1;
// A game between two computers ends in a few hundred turns; one that does not is left.
constexpr int TURN_LIMIT = 600;
constexpr int STEP_LIMIT = 100;
// The centre piles in play, game by game in turn.
constexpr int CENTRE_PLAN[] = {8, 8, 8, 10, 12};
constexpr int CENTRE_PLAN_LENGTH = sizeof(CENTRE_PLAN) / sizeof(CENTRE_PLAN[0]);
// The client width that brings nPiles centre piles into play.
constexpr int CENTRE_PILE_PITCH = 79;
constexpr int CENTRE_WIDTH_BASE = 3;
constexpr int CLIENT_CY = 422;

// A game played to its end by two computer players, a click on the stock between turns.
class CCorpusGameDlg : public CSearchPositionDlg {
public:
    using CVarrowDlg::OtherPlayer;

    void Deal(int nGameNumber, int nCentrePiles)
    {
        CCardPile::SetGameNumber(nGameNumber);
        NewGame();
        Layout(nCentrePiles * CENTRE_PILE_PITCH - CENTRE_WIDTH_BASE, CLIENT_CY);
        m_nPlayer = 0;
    }

    // One step of the player to move; false when the turn is over. The game is won when
    // that player's pay-off pile is empty afterwards.
    bool Step() { return VarrowComputerTurn(Hand(m_nPlayer), Payoff(m_nPlayer), Discards(m_nPlayer)); }
    bool IsWon() { return Payoff(m_nPlayer).GetCount() == 0; }
    void HandOver() { EndTurnAtStock(); }
    int GetPlayer() const { return m_nPlayer; }
};

struct SCorpusStats {
    int nLines = 0;
    int nGames = 0;
    double dSlowestMs = 0;
    std::string strSlowest;
};

// Searches the line's position afresh and tells whether the result is the one recorded.
bool ReadsBack(CSearchPositionDlg& dlg, const std::string& strPosition, const std::string& strResult)
{
    if (!dlg.ReadPosition(strPosition))
        return false;
    dlg.Search();
    return dlg.WriteResult(1) == strResult;
}

// Plays one game, writing its new positions; false when a line does not read back.
bool PlayGame(int nGameNumber, int nCentrePiles, int nWanted, std::set<std::string>& seen,
              std::ostream& os, SCorpusStats& stats)
{
    CCorpusGameDlg game;
    CSearchPositionDlg check;
    game.Deal(nGameNumber, nCentrePiles);
    for (int nTurn = 0; nTurn < TURN_LIMIT; nTurn++) {
        for (int nStep = 0; nStep < STEP_LIMIT; nStep++) {
            const int nPlayer = game.GetPlayer();
            const bool bRecord = game.HasCentreMove(nPlayer);
            const std::string strPosition = game.WritePosition(nPlayer);
            const auto start = std::chrono::steady_clock::now();
            const bool bPlaysOn = game.Step();
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - start;
            const std::string strResult = game.WriteResult(nPlayer);
            if (bRecord && seen.insert(strPosition).second) {
                if (!ReadsBack(check, strPosition, strResult)) {
                    std::cerr << "does not read back: " << strPosition << ' ' << strResult << '\n';
                    return false;
                }
                os << strPosition << ' ' << strResult << '\n';
                if (elapsed.count() > stats.dSlowestMs) {
                    stats.dSlowestMs = elapsed.count();
                    stats.strSlowest = strPosition;
                }
                if (++stats.nLines >= nWanted)
                    return true;
            }
            if (game.IsWon())
                return true;
            if (!bPlaysOn)
                break;
        }
        game.HandOver();
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: " << argv[0] << " <output file> [positions] [first game number]\n";
        return 2;
    }
    const int nWanted = argc > 2 ? std::atoi(argv[2]) : DEFAULT_POSITIONS;
    const int nFirstGame = argc > 3 ? std::atoi(argv[3]) : DEFAULT_FIRST_GAME;
    std::ofstream os(argv[1]);
    if (!os) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return 1;
    }
    g_bSeeded = true;
    os << "# Varrow and Malice search corpus: positions of games between two computer players\n"
       << "# from game number " << nFirstGame << " on, written by varrow_search_corpus.\n"
       << "# centre discards hand pay-off opponent score moves (see SearchPositionDlg.h)\n";

    std::set<std::string> seen;
    SCorpusStats stats;
    for (int nGame = nFirstGame; stats.nLines < nWanted; nGame++) {
        const int nCentrePiles = CENTRE_PLAN[(nGame - nFirstGame) % CENTRE_PLAN_LENGTH];
        if (!PlayGame(nGame, nCentrePiles, nWanted, seen, os, stats))
            return 1;
        stats.nGames++;
    }
    std::cerr << stats.nLines << " positions from " << stats.nGames << " games; slowest step "
              << stats.dSlowestMs << " ms: " << stats.strSlowest << '\n';
    return os ? 0 : 1;
}
