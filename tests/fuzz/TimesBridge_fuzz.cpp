// libFuzzer target of the Times Bridge reader: any input either is refused with a reason, or
// gives a whole consistent deal of 13 cards a hand.

#include <cstddef>
#include <cstdint>

#include "bridge/table/TimesBridgeImport.h"
#include "tests/fuzz/FuzzDealCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const char* const szReader = "the Times Bridge reader";
    CFileDeal deal;
    if (!ParseAndCheck(ParseTimesBridge, pData, nSize, deal, szReader))
        return 0;
    for (const CCardPile& hand : deal.hands)
        FuzzCheck(hand.GetCount() == 13, szReader, "a hand of an accepted file lacks cards");
    FuzzCheck(!deal.bHasContract && !deal.bHasLeader && !deal.bHasScores, szReader,
              "a Times Bridge file gave more than cards");
    return 0;
}
