#include "bridge/table/HandStats.h"

#include <ostream>

#include "bridge/table/TableFileDialog.h"

namespace {

constexpr char STATS_EXTENSION[] = "csv";
constexpr char STATS_FILTER[] = "Bridge/Dummy statistics files (*.csv)|*.csv||";

} // namespace

CHandStats::CHandStats(int nDeclarer, const CBid& contract, int nTricks, BOOL bContested, int nDealer,
                       int nKind)
    : m_nDeclarer(nDeclarer), m_contract(contract), m_nTricks(nTricks),
      m_bContested(bContested ? TRUE : FALSE), m_nDealer(nDealer), m_nKind(nKind)
{
}

int CHandStats::GetResult() const
{
    return m_nTricks - (m_contract.GetLevel() + BOOK_TRICKS);
}

void CHandStats::WriteCsvLine(std::ostream& os) const
{
    os << m_nDeclarer << ',' << m_contract.GetLevel() << ',' << m_contract.GetSuit() << ',' << GetResult()
       << ',' << m_bContested << ',' << m_nDealer << ',' << m_nKind;
}

CString AskStatsFileName(CWnd* pParent)
{
    return AskTableFileName(pParent, FileDialogKind::Save, STATS_EXTENSION, STATS_FILTER);
}
