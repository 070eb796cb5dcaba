#pragma once
// The Rummy window's dialog template (302).

// Registers template IDD_RUMMY in the platform's resource table.
void RegisterRummyTemplate();
