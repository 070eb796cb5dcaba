#include "tests/support/CAssertRecorder.h"

namespace {

// The recorder the installed handler writes to; a plain function handler cannot carry it.
CAssertRecorder* s_pActive = nullptr;

} // namespace

CAssertRecorder::CAssertRecorder()
    : m_previousHandler(plat::SetAssertHandler(&CAssertRecorder::Record))
    , m_pPreviousRecorder(s_pActive)
{
    s_pActive = this;
}

CAssertRecorder::~CAssertRecorder()
{
    s_pActive = m_pPreviousRecorder;
    plat::SetAssertHandler(m_previousHandler);
}

void CAssertRecorder::Clear()
{
    m_strStem.clear();
    m_strExpression.clear();
}

void CAssertRecorder::Record(const char* szFileStem, const char* szExpression)
{
    s_pActive->m_strStem = szFileStem;
    s_pActive->m_strExpression = szExpression;
}
