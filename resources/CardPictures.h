#pragma once
// The 58 card pictures, drawn by our own painter: faces with corner indexes, pips and court
// figures, two jokers, the empty place, two card backs and a spare back.

class CDC;

// Draws card picture nImage (0..57, see CardImages.h) into the CARD_WIDTH x CARD_HEIGHT area
// at the origin of dc, which must be a memory context with a bitmap at least that large.
void DrawCardPicture(CDC& dc, int nImage);

// Registers image i as bitmap resource IDB_CARD_FIRST + i, drawn when first looked up.
void RegisterCardPictures();
