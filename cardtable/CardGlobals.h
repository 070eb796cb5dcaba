#pragma once
// Process-wide state and layout shared by every pile and every game window.

#include "platform/base/geometry.h"
#include "resources/CardImages.h"

// The size of a card picture, and the offsets between the cards of a horizontal and of a
// vertical fan: one definition for the piles and every game's layout.
inline const CSize g_sizeCard(CARD_WIDTH, CARD_HEIGHT);
inline const CSize g_sizeHorzSpread(14, 0);
inline const CSize g_sizeVertSpread(0, 19);

// The game number: the seed the next shuffle uses. The first shuffle of the run takes it
// from the clock; every shuffle advances it by one, so the deal just made is number - 1.
extern int g_nGameNumber;
// Whether the game number has been taken from the clock yet.
extern bool g_bSeeded;
