#include "cardtable/CardPainter.h"

#include "platform/gdi/CDC.h"
#include "resources/CardImages.h"

CCardPainter::CCardPainter(CDC& dc, CDC* const* ppCardDCs) : m_dc(dc), m_ppCardDCs(ppCardDCs)
{
}

void CCardPainter::DrawCard(int nImage, const CPoint& pt)
{
    if (!m_ppCardDCs || nImage < 0)
        return;
    CDC* pCardDC = m_ppCardDCs[nImage % CARD_IMAGE_COUNT];
    if (pCardDC)
        m_dc.BitBlt(pt.x, pt.y, CARD_WIDTH, CARD_HEIGHT, pCardDC, 0, 0, SRCCOPY);
}

void CCardPainter::FillBackground(const CRect& rect)
{
    m_dc.FillSolidRect(rect, TABLE_COLOR);
}
