#pragma once
// The layout of the 58 card pictures, shared by the painter that draws them at start-up and
// by the card table that shows them: 0..51 the cards (suit * 13 + rank - 1), then the two
// jokers, the empty place, two card backs and a spare picture.

#include "platform/base/types.h"

enum {
    IMG_JOKER1 = 52,
    IMG_JOKER2 = 53,
    IMG_EMPTY = 54,
    IMG_BACK = 55,
    IMG_BACK2 = 56,
    IMG_SPARE = 57,
    CARD_IMAGE_COUNT = 58
};

// Every card picture is this many pixels.
constexpr int CARD_WIDTH = 71;
constexpr int CARD_HEIGHT = 96;

// The green of the card table, under every pile and around the empty place.
constexpr COLORREF TABLE_COLOR = RGB(0, 127, 0);
