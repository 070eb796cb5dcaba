#pragma once
// CBitmap: a picture a memory device context can select and draw into. It owns its pixels
// through a shared surface, so a context that still has the bitmap selected keeps drawing
// into valid memory even after the bitmap object was deleted or re-created.

#include <memory>

#include "platform/base/CString.h"
#include "platform/gdi/CSurface.h"
#include "platform/gdi/gdidefs.h"

class CDC;

class CBitmap {
public:
    CBitmap() = default;
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;
    virtual ~CBitmap() = default;

    // Loads a copy of bitmap resource nID; FALSE (and no picture) when there is none.
    BOOL LoadBitmap(UINT nID);
    // Loads a copy of the named bitmap resource, the name matched case-insensitively.
    BOOL LoadBitmap(LPCTSTR szName);
    // A black picture of cx x cy pixels; pDC only names the format, which is always XRGB.
    BOOL CreateCompatibleBitmap(CDC* pDC, int cx, int cy);
    // A black picture of cx x cy pixels, for the layer's own use.
    BOOL CreateBitmap(int cx, int cy);
    // A copy of surface as the picture.
    BOOL CreateFromSurface(const CSurface& surface);
    // Releases the picture; TRUE when there was one.
    BOOL DeleteObject();

    // Fills *pBitmap with size and format; 0 when there is no picture.
    int GetBitmap(BITMAP* pBitmap) const;
    // The picture's size; (0, 0) without a picture.
    CSize GetSize() const;
    bool IsLoaded() const { return m_pSurface != nullptr; }

    // The pixels, or nullptr without a picture. Contexts hold on to them while selected.
    const std::shared_ptr<CSurface>& GetSurface() const { return m_pSurface; }

private:
    std::shared_ptr<CSurface> m_pSurface;
};
