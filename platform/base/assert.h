#pragma once
// ASSERT: a precondition check that is active in every build. A failure calls the installed
// handler with the source file's stem ("WhistBase" for WhistBase.cpp) and the expression
// text; the default handler prints both and aborts, tests install one that records them.

namespace plat {

typedef void (*AssertHandler)(const char* szFileStem, const char* szExpression);

// Installs a handler (nullptr restores the default) and returns the previous one.
AssertHandler SetAssertHandler(AssertHandler handler);

// Reports a failed assertion from szFile (a path) to the installed handler.
void AssertFailed(const char* szFile, const char* szExpression);

} // namespace plat

#define ASSERT(expression) \
    ((expression) ? static_cast<void>(0) : ::plat::AssertFailed(__FILE__, #expression))
