#include "platform/res/resources.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/icon.h"

namespace {

// Bitmap names compare without regard to case, as resource names do.
struct CNoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const
    {
        return CString(a.c_str()).CompareNoCase(b.c_str()) < 0;
    }
};

// A registered bitmap: its picture, or the size and drawer that make it on first use.
struct SBitmapEntry {
    CSurface picture;
    CSize size;
    PictureDrawer pfnDraw;
};

// The tables behind the registration functions. Icons are held by pointer so that the
// handles given out stay valid when more icons are registered.
struct CResourceTables {
    std::map<UINT, CDialogTemplate> dialogs;
    std::map<UINT, CMenuTemplate> menus;
    std::map<UINT, CString> strings;
    std::map<UINT, SBitmapEntry> bitmapsById;
    std::map<std::string, SBitmapEntry, CNoCaseLess> bitmapsByName;
    std::map<UINT, std::unique_ptr<HICON__>> icons;
};

CResourceTables& Tables()
{
    static CResourceTables s_tables;
    return s_tables;
}

template <typename Map>
typename Map::mapped_type* Find(Map& map, const typename Map::key_type& key)
{
    const auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

// The picture of a bitmap entry, drawn now when it was registered with a drawer.
const CSurface* PictureOf(SBitmapEntry* pEntry)
{
    if (pEntry == nullptr)
        return nullptr;
    if (pEntry->pfnDraw) {
        CBitmap bitmap;
        bitmap.CreateBitmap(pEntry->size.cx, pEntry->size.cy);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(&bitmap);
        pEntry->pfnDraw(dc);
        pEntry->pfnDraw = nullptr;
        dc.SelectObject(static_cast<CBitmap*>(nullptr));
        pEntry->picture = std::move(*bitmap.GetSurface());
    }
    return &pEntry->picture;
}

void RegisterIcon(UINT nID, const CSurface& picture, bool bKeyed, uint32_t keyPixel)
{
    auto& pIcon = Tables().icons[nID];
    // A handle given out earlier keeps pointing at this id's icon.
    if (!pIcon)
        pIcon = std::make_unique<HICON__>();
    pIcon->m_surface = picture;
    pIcon->m_bKeyed = bKeyed;
    pIcon->m_keyPixel = keyPixel;
}

} // namespace

void AfxRegisterDialogTemplate(const CDialogTemplate& dialogTemplate)
{
    Tables().dialogs[dialogTemplate.nID] = dialogTemplate;
}

const CDialogTemplate* AfxFindDialogTemplate(UINT nID)
{
    return Find(Tables().dialogs, nID);
}

void AfxRegisterMenu(const CMenuTemplate& menuTemplate)
{
    Tables().menus[menuTemplate.nID] = menuTemplate;
}

const CMenuTemplate* AfxFindMenu(UINT nID)
{
    return Find(Tables().menus, nID);
}

void AfxRegisterString(UINT nID, const char* szText)
{
    Tables().strings[nID] = szText;
}

const CString* AfxFindString(UINT nID)
{
    return Find(Tables().strings, nID);
}

void AfxRegisterBitmap(UINT nID, const CSurface& picture)
{
    Tables().bitmapsById[nID] = SBitmapEntry{picture, picture.GetSize(), nullptr};
}

void AfxRegisterBitmap(LPCTSTR szName, const CSurface& picture)
{
    if (szName)
        Tables().bitmapsByName[szName] = SBitmapEntry{picture, picture.GetSize(), nullptr};
}

void AfxRegisterBitmap(UINT nID, CSize size, PictureDrawer pfnDraw)
{
    Tables().bitmapsById[nID] = SBitmapEntry{CSurface(), size, std::move(pfnDraw)};
}

void AfxRegisterBitmap(LPCTSTR szName, CSize size, PictureDrawer pfnDraw)
{
    if (szName)
        Tables().bitmapsByName[szName] = SBitmapEntry{CSurface(), size, std::move(pfnDraw)};
}

const CSurface* AfxFindBitmap(UINT nID)
{
    return PictureOf(Find(Tables().bitmapsById, nID));
}

const CSurface* AfxFindBitmap(LPCTSTR szName)
{
    return szName ? PictureOf(Find(Tables().bitmapsByName, std::string(szName))) : nullptr;
}

void AfxRegisterIcon(UINT nID, const CSurface& picture)
{
    RegisterIcon(nID, picture, false, 0);
}

void AfxRegisterIcon(UINT nID, const CSurface& picture, uint32_t keyPixel)
{
    RegisterIcon(nID, picture, true, keyPixel);
}

HICON AfxLoadIcon(UINT nID)
{
    const auto* pIcon = Find(Tables().icons, nID);
    return pIcon && !(*pIcon)->m_surface.IsEmpty() ? pIcon->get() : nullptr;
}

void AfxResetResources()
{
    CResourceTables& tables = Tables();
    tables.dialogs.clear();
    tables.menus.clear();
    tables.strings.clear();
    tables.bitmapsById.clear();
    tables.bitmapsByName.clear();
    // Icon handles may still be held by windows; they are emptied, not freed.
    for (auto& entry : tables.icons)
        entry.second->m_surface = CSurface();
}

BOOL CString::LoadString(UINT nID)
{
    // As with the framework, an empty entry loads as a failure.
    const CString* pText = AfxFindString(nID);
    *this = pText ? *pText : CString();
    return IsEmpty() ? FALSE : TRUE;
}
