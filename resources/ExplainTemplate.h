#pragma once
// The play engines' explanation window: dialog template 304 with its one list box.

#define IDD_EXPLAIN_WHIST 304
#define IDC_EXPLAIN_LIST 1011

// Registers template IDD_EXPLAIN_WHIST in the platform's resource table.
void RegisterExplainTemplate();
