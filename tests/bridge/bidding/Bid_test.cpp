#include "bridge/bidding/Bid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "bridge/bidding/BidThresholds.h"
#include "cardtable/RegSettings.h"

namespace {

// Writes a mono 8-bit wave file of a tenth of a second of silence.
void WriteShortWave(const std::string& strPath)
{
    const uint32_t nRate = 8000;
    const uint32_t nSamples = nRate / 10;
    std::ofstream file(strPath, std::ios::binary);
    auto put = [&file](uint32_t nValue, int nBytes) {
        for (int i = 0; i < nBytes; ++i)
            file.put(static_cast<char>((nValue >> (8 * i)) & 0xFF));
    };
    file << "RIFF";
    put(36 + nSamples, 4);
    file << "WAVEfmt ";
    put(16, 4);
    put(1, 2);           // PCM
    put(1, 2);           // mono
    put(nRate, 4);
    put(nRate, 4);       // bytes per second
    put(1, 2);           // block align
    put(8, 2);           // bits per sample
    file << "data";
    put(nSamples, 4);
    for (uint32_t i = 0; i < nSamples; ++i)
        file.put(static_cast<char>(0x80));
}

CBid Call(int nCode)
{
    return CBid(nullptr, nCode, CString());
}

} // namespace

TEST(CBid, LevelAndStrainBuildTheCode)
{
    CBidThresholds thresholds;
    CBid sevenNoTrump(&thresholds, 6, STRAIN_NOTRUMP, "grand");
    EXPECT_EQ(35, sevenNoTrump.GetCode());
    EXPECT_EQ("Seven no trumps", sevenNoTrump.GetText());
    EXPECT_EQ(&thresholds, sevenNoTrump.GetThresholds());
    EXPECT_EQ("grand", sevenNoTrump.GetExplanation());

    CBid oneNoTrump(nullptr, 0, STRAIN_NOTRUMP, "");
    EXPECT_EQ(5, oneNoTrump.GetCode());
    EXPECT_EQ("One no trump", oneNoTrump.GetText());
    EXPECT_EQ(8, CBid(nullptr, 1, STRAIN_HEARTS, "").GetCode());
    EXPECT_EQ(1, CBid(nullptr, 0, STRAIN_CLUBS, "").GetCode());
}

TEST(CBid, PassDoubleAndRedoubleHaveLevelZeroAndNoStrain)
{
    const int nCodes[] = {BID_NOBID, BID_DOUBLE, BID_REDOUBLE};
    const int nStrains[] = {-1, -3, -2};
    for (int i = 0; i < 3; ++i) {
        CBid call = Call(nCodes[i]);
        SCOPED_TRACE(nCodes[i]);
        EXPECT_EQ(0, call.GetLevel());
        EXPECT_EQ(nStrains[i], call.GetSuit());
        EXPECT_FALSE(call.IsSuitBid());
        EXPECT_FALSE(call.IsMajor());
        EXPECT_FALSE(call.IsMinor());
        EXPECT_FALSE(call.IsNoTrump());
        EXPECT_FALSE(call.IsGameBid());
        EXPECT_TRUE(call.IsPassOrDouble());
        EXPECT_EQ("", call.GetSuitText());
        EXPECT_EQ("One", call.GetLevelText());
    }
    EXPECT_EQ("No bid", Call(BID_NOBID).GetText());
    EXPECT_EQ("Doubled", Call(BID_DOUBLE).GetText());
    EXPECT_EQ("Re-doubled", Call(BID_REDOUBLE).GetText());
    EXPECT_TRUE(Call(BID_DOUBLE).IsDouble());
    EXPECT_TRUE(Call(BID_REDOUBLE).IsRedouble());
    EXPECT_FALSE(Call(BID_1C).IsPassOrDouble());
}

TEST(CBid, StrainPredicatesFollowTheCode)
{
    EXPECT_TRUE(Call(BID_1C).IsMinor());
    EXPECT_TRUE(Call(BID_2D).IsMinor());
    EXPECT_TRUE(Call(BID_3H).IsMajor());
    EXPECT_TRUE(Call(BID_7S).IsMajor());
    EXPECT_TRUE(Call(BID_4S).IsSuitBid());
    EXPECT_FALSE(Call(BID_4NT).IsSuitBid());
    EXPECT_TRUE(Call(BID_4NT).IsNoTrump());
    EXPECT_FALSE(Call(BID_4NT).IsMajor());
    EXPECT_EQ(3, Call(BID_4S).GetLevel());
}

TEST(CBid, GameBidsStartAtThreeNoTrumpFourMajorFiveMinor)
{
    EXPECT_TRUE(Call(BID_3NT).IsGameBid());
    EXPECT_FALSE(Call(BID_2NT).IsGameBid());
    EXPECT_TRUE(Call(BID_4H).IsGameBid());
    EXPECT_FALSE(Call(BID_3S).IsGameBid());
    EXPECT_TRUE(Call(BID_5D).IsGameBid());
    EXPECT_FALSE(Call(BID_4C).IsGameBid());
    EXPECT_TRUE(Call(BID_7C).IsGameBid());
}

TEST(CBid, JumpOverIsOneLevelAboveTheCheapestBid)
{
    EXPECT_TRUE(Call(BID_2S).IsJumpOver(Call(BID_1H)));
    EXPECT_TRUE(Call(BID_3H).IsJumpOver(Call(BID_1H)));
    EXPECT_FALSE(Call(BID_2H).IsJumpOver(Call(BID_1H)));
    EXPECT_FALSE(Call(BID_3NT).IsJumpOver(Call(BID_1S)));
    EXPECT_FALSE(Call(BID_2C).IsJumpOver(Call(BID_1H)));
}

TEST(CBid, JumpMeasuresOverTheLastBidMade)
{
    // Second a contract bid: measured over it (3S over 2H is a jump, over 1H it is not).
    EXPECT_TRUE(Call(BID_3S).IsJump(Call(BID_1H), Call(BID_2H)));
    EXPECT_FALSE(Call(BID_2S).IsJump(Call(BID_1H), Call(BID_2H)));
    // Second a pass or a double: measured over first.
    EXPECT_TRUE(Call(BID_2S).IsJump(Call(BID_1H), Call(BID_NOBID)));
    EXPECT_TRUE(Call(BID_2S).IsJump(Call(BID_1H), Call(BID_DOUBLE)));
    EXPECT_FALSE(Call(BID_1S).IsJump(Call(BID_1H), Call(BID_DOUBLE)));
}

TEST(CBid, ComparisonUsesTheCodeAlone)
{
    CBidThresholds thresholds;
    CBid first(&thresholds, BID_2H, "weak");
    CBid second(nullptr, BID_2H, "strong");
    EXPECT_TRUE(first == second);
    EXPECT_FALSE(first != second);
    EXPECT_TRUE(Call(BID_1C) > Call(BID_NOBID));
    EXPECT_TRUE(Call(BID_1C) > Call(BID_REDOUBLE));
    EXPECT_TRUE(Call(BID_DOUBLE) < Call(BID_NOBID));
    EXPECT_TRUE(Call(BID_3C) >= Call(BID_3C));
    EXPECT_TRUE(Call(BID_2NT) <= Call(BID_3C));
    EXPECT_EQ(6, Call(BID_2S) - Call(BID_1H));
}

TEST(CBid, PlusKeepsThresholdsAndDropsTheExplanation)
{
    CBidThresholds thresholds;
    CBid call(&thresholds, BID_1H, "opening");
    CBid higher = call + 5;
    EXPECT_EQ(BID_2H, higher.GetCode());
    EXPECT_EQ(&thresholds, higher.GetThresholds());
    EXPECT_EQ("", higher.GetExplanation());
}

TEST(CBid, CopiesCarryAllThreeFields)
{
    CBidThresholds thresholds;
    CBid call(&thresholds, BID_4NT, "ace ask");
    CBid copy(call);
    CBid assigned;
    assigned = call;
    for (const CBid* pBid : {&copy, &assigned}) {
        EXPECT_EQ(BID_4NT, pBid->GetCode());
        EXPECT_EQ("ace ask", pBid->GetExplanation());
        EXPECT_EQ(&thresholds, pBid->GetThresholds());
    }
}

TEST(CBid, StrainTextIsPluralAboveTheOneLevel)
{
    EXPECT_EQ("One club", Call(BID_1C).GetText());
    EXPECT_EQ("Two hearts", Call(BID_2H).GetText());
    EXPECT_EQ("Three no trumps", Call(BID_3NT).GetText());
    EXPECT_EQ("heart", Call(BID_1H).GetStrainText());
    EXPECT_EQ("spades", Call(BID_6S).GetStrainText());
    EXPECT_EQ("Six diamonds", Call(BID_6D).GetText());
}

TEST(CBid, CodesOutsideTheRangeReadAsStrange)
{
    CBid strange = Call(99);
    EXPECT_EQ(99, strange.GetCode());
    EXPECT_EQ("Strange", strange.GetLevelText());
    EXPECT_EQ("Strange spades", strange.GetText());
    EXPECT_FALSE(strange.IsPassOrDouble());

    CBid belowDouble = Call(-7);
    EXPECT_EQ("", belowDouble.GetSuitText());
    EXPECT_FALSE(belowDouble.IsSuitBid());
    EXPECT_FALSE(belowDouble.IsGameBid());
}

TEST(CBid, GlobalConstantsHoldTheirCodesWithoutThresholds)
{
    const CBid* pConstants[] = {&g_bidNoBid, &g_bidDouble, &g_bidRedouble, &g_bid2C, &g_bid3C,
                                &g_bid4C, &g_bid5C, &g_bid2D, &g_bid3D, &g_bid4D, &g_bid1NT,
                                &g_bid2NT, &g_bid3NT, &g_bid4NT, &g_bid5NT};
    const int nCodes[] = {0, -2, -1, 6, 11, 16, 21, 7, 12, 17, 5, 10, 15, 20, 25};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(nCodes[i], pConstants[i]->GetCode());
        EXPECT_EQ(nullptr, pConstants[i]->GetThresholds());
        EXPECT_EQ("", pConstants[i]->GetExplanation());
    }
}

TEST(CBid, SoundPathNamesTheVoiceFolderAndCodePlusTwo)
{
    EXPECT_EQ("snd/Mira/Mira10", Call(BID_2H).GetSoundPath("snd", "Mira"));
    EXPECT_EQ("./V/V0", Call(BID_DOUBLE).GetSoundPath(".", "V"));
    EXPECT_EQ("./V/V2", Call(BID_NOBID).GetSoundPath(".", "V"));
    EXPECT_EQ("./V/V37", Call(BID_7NT).GetSoundPath(".", "V"));
}

TEST(CBid, SpeakPlaysTheVoiceFileOfTheCallFromTheSoundsFolder)
{
    char szTemplate[] = "/tmp/orvel-voices.XXXXXX";
    ASSERT_NE(nullptr, ::mkdtemp(szTemplate));
    const std::string strFolder = szTemplate;
    ASSERT_EQ(0, ::mkdir((strFolder + "/Mira").c_str(), 0700));
    WriteShortWave(strFolder + "/Mira/Mira10");
    {
        CRegSettings settings("Software", "Orvel", "velm");
        settings.WriteString("SoundDir", strFolder.c_str());
    }

    EXPECT_TRUE(Call(BID_2H).Speak("Mira"));
    // Two spades has no file of its own, nor has another voice.
    EXPECT_FALSE(Call(BID_2S).Speak("Mira"));
    EXPECT_FALSE(Call(BID_2H).Speak("Tav"));

    CRegSettings settings("Software", "Orvel", "velm");
    settings.ClearValue("SoundDir");
    std::system(("rm -rf '" + strFolder + "'").c_str());
}
