#pragma once
// The application shell's resources: the About box (100), the card options (276), the
// launcher (300) with its menu (130), the card-game window (305), the window icon (128) and
// the strings 101 and 103.

// Registers them all in the platform's resource table.
void RegisterShellResources();
