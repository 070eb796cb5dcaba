// libFuzzer target of the hand file reader: any input either is refused with a reason, or
// gives a consistent deal that the writer writes back into a file the reader reads as the
// same deal. And any deal the tables give the writer (WriterDeal: set up by hand, saved
// during a trick) reads back as that deal.

#include <cstddef>
#include <cstdint>
#include <sstream>

#include "bridge/table/HandFile.h"
#include "tests/fuzz/FuzzDealCheck.h"

namespace {

// Whether the two deals name the same contract, seats and tricks.
bool SameContract(const CFileDeal& a, const CFileDeal& b)
{
    return a.nLevel == b.nLevel && a.nTrumps == b.nTrumps && a.nLeader == b.nLeader &&
           a.nDealer == b.nDealer && a.nToPlay == b.nToPlay && a.nTricks[0] == b.nTricks[0] &&
           a.nTricks[1] == b.nTricks[1];
}

void CheckWrittenDeal(const uint8_t* pData, size_t nSize)
{
    const char* const szWriter = "the hand file writer";
    const CFileDeal written = WriterDeal(pData, nSize);
    std::ostringstream os;
    FormatHandFile(os, written);
    CFileDeal read;
    CString strProblem;
    FuzzCheck(ParseHandFile(os.str(), read, strProblem), szWriter, "a deal it wrote is refused");
    FuzzCheck(SameHands(written, read) && SameContract(written, read) &&
                  read.bHasScores == written.bHasScores &&
                  (!written.bHasScores || SameScores(written, read)),
              szWriter, "a deal it wrote reads back as another deal");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CheckWrittenDeal(pData, nSize);
    const char* const szReader = "the hand file reader";
    CFileDeal deal;
    if (!ParseAndCheck(ParseHandFile, pData, nSize, deal, szReader))
        return 0;
    FuzzCheck(deal.bHasContract && deal.bHasLeader, szReader, "a hand file without its contract");

    std::ostringstream os;
    FormatHandFile(os, deal);
    CFileDeal again;
    CString strProblem;
    FuzzCheck(ParseHandFile(os.str(), again, strProblem), szReader, "its own writing is refused");
    FuzzCheck(SameHands(deal, again) && again.bHasScores == deal.bHasScores &&
                  (!deal.bHasScores || SameScores(deal, again)),
              szReader, "its own writing reads back as another deal");
    FuzzCheck(SameContract(deal, again), szReader,
              "its own writing reads back with another contract");
    return 0;
}
