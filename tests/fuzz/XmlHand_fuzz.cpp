// libFuzzer target of the XML hand reader: any input either is refused with a reason, or gives
// a consistent deal that the export writes back into a file the reader reads as the same deal.
// And any deal the tables give the export (WriterDeal: set up by hand, saved during a trick)
// reads back with its hands, its dealer as the first seat, and its scores.

#include <cstddef>
#include <cstdint>
#include <sstream>

#include "bridge/table/XmlHand.h"
#include "tests/fuzz/FuzzDealCheck.h"

namespace {

void CheckExportedDeal(const uint8_t* pData, size_t nSize)
{
    const char* const szWriter = "the XML export";
    const CFileDeal written = WriterDeal(pData, nSize);
    std::ostringstream os;
    WriteXmlHand(os, written, nullptr);
    CFileDeal read;
    CString strProblem;
    FuzzCheck(ParseXmlHand(os.str(), read, strProblem), szWriter, "a deal it wrote is refused");
    FuzzCheck(SameHands(written, read) && read.bHasLeader && read.nLeader == written.nDealer &&
                  read.bHasScores && SameScores(written, read),
              szWriter, "a deal it wrote reads back as another deal");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CheckExportedDeal(pData, nSize);
    const char* const szReader = "the XML hand reader";
    CFileDeal deal;
    if (!ParseAndCheck(ParseXmlHand, pData, nSize, deal, szReader))
        return 0;
    FuzzCheck(!deal.bHasContract, szReader, "an XML file gave a contract");

    // The export names the dealer and always writes the scores.
    deal.nDealer = deal.bHasLeader ? deal.nLeader : 0;
    std::ostringstream os;
    WriteXmlHand(os, deal, nullptr);
    CFileDeal again;
    CString strProblem;
    FuzzCheck(ParseXmlHand(os.str(), again, strProblem), szReader, "its own export is refused");
    FuzzCheck(SameHands(deal, again) && again.bHasScores && again.bHasLeader &&
                  again.nLeader == deal.nDealer && (!deal.bHasScores || SameScores(deal, again)),
              szReader, "its own export reads back as another deal");
    return 0;
}
