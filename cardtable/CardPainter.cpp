#include "cardtable/CardPainter.h"

#include "platform/gdi/CDC.h"
#include "resources/CardImages.h"

CCardPainter::CCardPainter(CDC& dc, CDC* const* ppCardDCs) : m_dc(dc), m_ppCardDCs(ppCardDCs)
{
}

void CCardPainter::DrawCard(int nImage, const CPoint& pt)
{
    DrawCardPart(nImage, pt, CRect(pt.x, pt.y, pt.x + CARD_WIDTH, pt.y + CARD_HEIGHT));
}

void CCardPainter::DrawCardPart(int nImage, const CPoint& pt, const CRect& rectPart)
{
    if (!m_ppCardDCs || nImage < 0)
        return;
    CDC* pCardDC = m_ppCardDCs[nImage % CARD_IMAGE_COUNT];
    if (pCardDC)
        m_dc.BitBlt(rectPart.left, rectPart.top, rectPart.Width(), rectPart.Height(), pCardDC,
                    rectPart.left - pt.x, rectPart.top - pt.y, SRCCOPY);
}

void CCardPainter::FillBackground(const CRect& rect)
{
    m_dc.FillSolidRect(rect, TABLE_COLOR);
}
