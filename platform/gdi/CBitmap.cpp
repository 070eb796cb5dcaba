#include "platform/gdi/CBitmap.h"

#include "platform/res/resources.h"

namespace {

constexpr LONG BITS_PER_PIXEL = 32;

} // namespace

BOOL CBitmap::LoadBitmap(UINT nID)
{
    const CSurface* pPicture = AfxFindBitmap(nID);
    return pPicture ? CreateFromSurface(*pPicture) : FALSE;
}

BOOL CBitmap::LoadBitmap(LPCTSTR szName)
{
    const CSurface* pPicture = AfxFindBitmap(szName);
    return pPicture ? CreateFromSurface(*pPicture) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int cx, int cy)
{
    return CreateBitmap(cx, cy);
}

BOOL CBitmap::CreateBitmap(int cx, int cy)
{
    m_pSurface = std::make_shared<CSurface>(cx, cy, 0);
    return TRUE;
}

BOOL CBitmap::CreateFromSurface(const CSurface& surface)
{
    m_pSurface = std::make_shared<CSurface>(surface);
    return TRUE;
}

BOOL CBitmap::DeleteObject()
{
    if (!m_pSurface)
        return FALSE;
    m_pSurface.reset();
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* pBitmap) const
{
    if (!m_pSurface || !pBitmap)
        return 0;
    pBitmap->bmType = 0;
    pBitmap->bmWidth = m_pSurface->GetWidth();
    pBitmap->bmHeight = m_pSurface->GetHeight();
    pBitmap->bmWidthBytes = m_pSurface->GetPitch();
    pBitmap->bmPlanes = 1;
    pBitmap->bmBitsPixel = BITS_PER_PIXEL;
    pBitmap->bmBits = m_pSurface->GetPixels();
    return sizeof(BITMAP);
}

CSize CBitmap::GetSize() const
{
    return m_pSurface ? m_pSurface->GetSize() : CSize();
}
