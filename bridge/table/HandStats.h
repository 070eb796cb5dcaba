#pragma once
// CHandStats: the statistics record of one finished deal, played or passed out, and the
// comma-separated statistics file that Save Stats writes from a window's list of them.

#include <iosfwd>
#include <sstream>

#include "bridge/bidding/Bid.h"
#include "bridge/table/TableFileIo.h"

class CWnd;

// How the deal ended, the record's m_nKind.
enum {
    STATS_KIND_PLAIN = 0,      // played undoubled (always so at the table without an auction)
    STATS_KIND_PASSED_OUT = 1,
    STATS_KIND_DOUBLED = 2,
    STATS_KIND_REDOUBLED = 3
};

// One deal: who declared what, the declaring side's tricks, the dealer, whether the defenders
// called and how the contract ended. A plain record, copied into the window's list.
class CHandStats {
public:
    // The call is copied; a passed-out deal carries a pass.
    CHandStats(int nDeclarer, const CBid& contract, int nTricks, BOOL bContested, int nDealer, int nKind);

    // The overtricks (0 or more) or, negative, the undertricks: tricks - (level index + 7).
    int GetResult() const;
    // Seven decimal integers joined by "," with no blanks and no line end: declarer, level
    // index, strain, result, contested, dealer, kind. A pass has level 0 and strain -1.
    void WriteCsvLine(std::ostream& os) const;

    int m_nDeclarer;
    CBid m_contract;
    int m_nTricks;
    BOOL m_bContested; // a seat of the defending side made a call other than a pass
    int m_nDealer;
    int m_nKind;
};

// Writes each record of stats (any container of CHandStats, in order) as one line.
template <class TStats>
void WriteStatsCsv(std::ostream& os, const TStats& stats)
{
    for (const CHandStats& record : stats) {
        record.WriteCsvLine(os);
        os << '\n';
    }
}

// Asks for the statistics file (".csv"); its name, or the empty text after Cancel.
CString AskStatsFileName(CWnd* pParent);

// The Save Stats command: asks for a file and replaces it with every record of stats. Cancel
// writes nothing; a file that cannot be written is reported and left as it was.
template <class TStats>
void SaveStatsFile(CWnd* pParent, const TStats& stats)
{
    const CString strFile = AskStatsFileName(pParent);
    if (strFile.IsEmpty())
        return;
    std::ostringstream os;
    WriteStatsCsv(os, stats);
    SaveTableFile(pParent, strFile, os.str());
}
