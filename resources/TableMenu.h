#pragma once
// The table menu (131): the bridge tables' menu bar, which Rummy loads as well.

// Registers menu IDR_TABLE_MENU in the platform's resource table.
void RegisterTableMenu();
