#pragma once
// The object behind an icon handle: a small picture, drawn with CDC::DrawIcon. Icon handles
// are owned by the resource table and live for the whole run.

#include "platform/gdi/CSurface.h"
#include "platform/base/types.h"

// Icons are drawn at the system icon size.
constexpr int ICON_SIZE = 32;
constexpr int SMALL_ICON_SIZE = 16;

struct HICON__ {
    CSurface m_surface;
    // Pixels equal to this one are not drawn; keyless icons are fully opaque.
    uint32_t m_keyPixel = 0;
    bool m_bKeyed = false;
};

// The picture behind hIcon, or nullptr for a null handle.
const CSurface* GetIconSurface(HICON hIcon);

// The system metric nIndex (SM_CXICON, SM_CYICON, ...); 0 for metrics the layer does not know.
int GetSystemMetrics(int nIndex);
