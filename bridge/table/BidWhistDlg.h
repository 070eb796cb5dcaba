#pragma once
// CBidWhistDlg: the bridge dialog with the auction ("Bridge"), which "Play &Bridge" on the
// launcher opens. It is the bridge table (CDummyDlg) with an auction in front of every deal
// and rubber scoring after it: each deal is dealt without a contract; the Play button runs the
// auction from the dealer, the computer seats calling through the bidder (CBridgeBidder, whose
// operations are this window's members) and the person through the bidding box (CBid2); a
// passed-out deal is recorded and dealt again, otherwise the highest bid becomes the contract,
// the declarer's left-hand opponent leads and play runs as at the table. The finished deal is
// scored for the rubber (CContractScore).
//
// The hands hold plain card orders from the deal until StartPlay raises the contract's trumps,
// so the evaluations and the bidding box never see raised ones; Open Hand, the imports and
// Replay Hand lower them again, because the next auction runs on the loaded hands.
//
// Source files: BidWhistDlg.cpp (the deal, the auction and the commands) and
// BidWhistDlgScore.cpp (rubber scoring and the score box).

#include <memory>

#include "bridge/bidding/BidBoxHint.h"
#include "bridge/bidding/BridgeBidder.h"
#include "bridge/table/ContractScore.h"
#include "bridge/table/DummyDlg.h"

class CBidWhistDlg : public CDummyDlg, public CBridgeBidder, public CBidBoxHint {
public:
    // A dialog opened by pMainDlg (not owned, may be null): the table's constructor, empty
    // evaluations and auction, the convention switches read from the settings, the default
    // thresholds and no score yet.
    CBidWhistDlg(CMainDlg* pMainDlg, CWnd* pParent);
    ~CBidWhistDlg() override;

    // Saves the bidding box's rectangle, then the table's close.
    void OnClose() override;
    CString GetGameName() override;

    // The table's operations this dialog replaces.
    // The 13-card check after a hand-made deal, the auction, then the contract and play, or
    // the next deal when every seat passed.
    void OnPlay() override;
    // Next dealer, no contract, a new deal in plain orders; play waits for the auction.
    void NextDeal() override;
    // After the auction only: contract, declarer and opening leader from the auction, the
    // contract's trumps raised, then the table's start of play.
    void StartPlay() override;
    // Rubber scoring of the finished deal.
    void ScoreDeal() override;
    // The rubber "Score" box.
    void ShowScore() override;
    // The table's loads, then the trumps lowered for the next auction.
    void OnOpenHand() override;
    void OnImportXml() override;
    void OnImportBridgeFile() override;
    void OnReplayHand() override;
    CAuction* GetAuction() override;
    // The auction in a review-only bidding box.
    void ShowBidding() override;

    // The bidding box's Hint: the bidder's call for the seat to call.
    CBid GetHintBid() const override;

    // The text of the score box: the last scored deal (when there is one), then the totals.
    CString GetScoreText() const;
    // The record of the last scored deal; null until a deal is scored.
    const CContractScore* GetLastScore() const { return m_pLastScore.get(); }

protected:
    BOOL OnInitDialog() override;
    // The bidder reads the table's games of the current rubber.
    int GetGamesWon(int nSide) const override;

    // Runs the whole auction of the current deal into m_auction, from the seat in m_nLeader.
    // False when the window went away meanwhile.
    bool RunAuction();
    // Whether the person makes the call of nSeat: South unless automatic deals are pending,
    // every seat with manual bidding.
    bool IsPersonToCall(int nSeat) const;
    // The computer's call for the seat to call, spoken (with its pause) when calls are.
    CBid ComputerCall();
    // After a load (Open Hand, the imports, Replay Hand): the trumps lowered for the next
    // auction, unless the load left a deal in play untouched.
    void LowerTrumpsAfterLoad();

    // Clicks reach the table's handlers except while the auction runs.
    void OnTablePress(CPoint point) override;
    void OnTableRelease(CPoint point) override;
    // The Conventions command: the conventions box.
    afx_msg void OnConventions();

    // The record of the last scored deal; owned.
    std::unique_ptr<CContractScore> m_pLastScore;

    DECLARE_MESSAGE_MAP()
};
