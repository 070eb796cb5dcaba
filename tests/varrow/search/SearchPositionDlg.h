#pragma once
// CSearchPositionDlg: the Varrow and Malice game object without a window, for the tools and
// tests that feed the computer's search one position after another. A position is one line
// of text, the format of the pinned search corpus (search_corpus.txt):
//
//   <centre> <discards> <hand> <pay-off> <opponent> <score> <moves>
//
// Cards are written by their order, one character each: "*A23456789TJQK" (wild, ace ..
// king); suits play no part in the search and are not kept. The centre piles run up from
// the ace, so <centre> gives one character for each pile in play: the card its count
// reaches ("-" for an empty pile); then, when wild cards lie in them, ":" and for each such
// pile its index and the indexes of its wild cards, bottom 0, piles separated by ",".
// <discards> lists the four discard piles of the player to move, bottom first, separated by
// ","; "-" stands for an empty pile or hand. <pay-off> is the top card followed by the
// pile's count, <opponent> the opponent's pay-off top ("-" when empty). <score> is the best
// score of one step's search and <moves> its sequence ("-" when empty), three characters a
// move: the kind ("h" hand, "d" discard, "p" pay-off), the hand index or discard pile ("-"
// for the pay-off pile) and the centre pile, indexes in base 36.

#include <string>

#include "varrow/VarrowDlg.h"

class CSearchPositionDlg : public CVarrowDlg {
public:
    // The position and result fields of a corpus line.
    static constexpr int POSITION_FIELDS = 5;
    static constexpr int LINE_FIELDS = 7;
    // Card orders 0 (wild) to 13 (king) by their character, indexes in base 36.
    static constexpr char CARD_CHARS[] = "*A23456789TJQK";
    static constexpr char INDEX_CHARS[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    static constexpr char EMPTY_FIELD = '-';
    static constexpr char PILE_SEPARATOR = ',';
    static constexpr char WILDS_MARK = ':';

    CSearchPositionDlg();

    // The position of nPlayer to move, as the first POSITION_FIELDS fields of a line.
    std::string WritePosition(int nPlayer);
    // Lays out the position of a line's first fields, the right to move, in place of
    // whatever was on the table; false when the text is no position.
    bool ReadPosition(const std::string& strLine);
    // One step's search from the position laid out, as a step starts it.
    void Search();
    // No best sequence yet, and the score a step starts from.
    void ResetBest();
    // The piles of the position laid out, for a search of the right.
    CVarrowSearch::SPiles GetPiles();
    // The best score and sequence the last search of nPlayer found, as the last two fields.
    std::string WriteResult(int nPlayer);
    // One computer step of the right: the search, its best sequence played, the discard.
    bool Step() { return VarrowComputerTurn(m_hand2, m_payoff2, m_discards2); }
    // Whether nPlayer to move has any card that some centre pile in play takes.
    bool HasCentreMove(int nPlayer);

    using CVarrowDlg::Discards;
    using CVarrowDlg::Payoff;
    using CVarrowDlg::m_bestMoves;
    using CVarrowDlg::m_centre;
    using CVarrowDlg::m_hand2;
    using CVarrowDlg::m_nBestScore;
    using CVarrowDlg::m_nCentreVisible;
    using CVarrowDlg::m_search;
    using CVarrowDlg::SearchMoves;
    using CVarrowDlg::SequenceScore;

private:
    // The pile a move's pointer names, as its corpus character; '?' for none of them.
    char SourceCode(int nPlayer, const CCardMove& move);
    char CentreCode(const CCardPile* pPile);
};
