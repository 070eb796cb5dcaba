#pragma once
// Start-up registration of every resource of the suite into the platform's resource table.

// Registers the card pictures and every other resource; call once before any window opens.
void RegisterAllResources();
