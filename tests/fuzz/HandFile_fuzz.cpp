// libFuzzer target of the hand file reader: any input either is refused with a reason, or
// gives a consistent deal that the writer writes back into a file the reader reads as the
// same deal.

#include <cstddef>
#include <cstdint>
#include <sstream>

#include "bridge/table/HandFile.h"
#include "tests/fuzz/FuzzDealCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
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
    FuzzCheck(again.nLevel == deal.nLevel && again.nTrumps == deal.nTrumps &&
                  again.nLeader == deal.nLeader && again.nDealer == deal.nDealer &&
                  again.nTricks[0] == deal.nTricks[0] && again.nTricks[1] == deal.nTricks[1],
              szReader, "its own writing reads back with another contract");
    return 0;
}
