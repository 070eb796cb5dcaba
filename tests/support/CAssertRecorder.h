#pragma once
// CAssertRecorder: while it lives, a failed ASSERT is recorded instead of ending the program,
// so a test can call a function outside its preconditions and check which assertion fired.
// The handler it replaced is put back when it goes out of scope. Recorders may nest; the
// innermost one records.

#include <string>

#include "platform/base/assert.h"

class CAssertRecorder {
public:
    CAssertRecorder();
    ~CAssertRecorder();
    CAssertRecorder(const CAssertRecorder&) = delete;
    CAssertRecorder& operator=(const CAssertRecorder&) = delete;

    // The file stem and expression of the latest failure; empty when none failed since the
    // recorder was made or last cleared.
    const std::string& GetStem() const { return m_strStem; }
    const std::string& GetExpression() const { return m_strExpression; }
    void Clear();

private:
    static void Record(const char* szFileStem, const char* szExpression);

    plat::AssertHandler m_previousHandler;
    CAssertRecorder* m_pPreviousRecorder;
    std::string m_strStem;
    std::string m_strExpression;
};
