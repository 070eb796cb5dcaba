#pragma once
// CCardPainter: the drawing surface a pile paints itself onto.

#include "platform/base/geometry.h"

class CDC;

// A device context to draw on and the game window's 58 card-image memory contexts (absent
// until the pictures are loaded, and then nothing but the table is drawn).
class CCardPainter {
public:
    // ppCardDCs points to CARD_IMAGE_COUNT contexts, or is nullptr when they are absent.
    CCardPainter(CDC& dc, CDC* const* ppCardDCs);

    CCardPainter(const CCardPainter&) = delete;
    CCardPainter& operator=(const CCardPainter&) = delete;

    // Copies card picture (nImage mod 58) to pt; nothing without pictures or for a negative
    // image.
    void DrawCard(int nImage, const CPoint& pt);
    // As DrawCard, but only the part of the picture at pt that lies in rectPart (table
    // coordinates).
    void DrawCardPart(int nImage, const CPoint& pt, const CRect& rectPart);
    // Whether card pictures are there to draw.
    bool HasPictures() const { return m_ppCardDCs != nullptr; }
    // Fills rect with the table colour.
    void FillBackground(const CRect& rect);

private:
    CDC& m_dc;
    CDC* const* m_ppCardDCs;
};
