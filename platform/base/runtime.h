#pragma once
// The runtime-library calls the game code makes under their framework spellings.

#include <cstdio>
#include <cstdlib>
#include <ctime>

// The current working folder into buffer (nMaxLength bytes); nullptr when it does not fit.
char* _getcwd(char* buffer, int nMaxLength);
// Changes the working folder; 0 on success, -1 on failure.
int _chdir(const char* szPath);

// Objects are created with the diagnostic new; leak tracking is LeakSanitizer's job.
#define DEBUG_NEW new
