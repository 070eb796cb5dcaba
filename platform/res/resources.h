#pragma once
// The process-wide resource table: dialog templates, menus, the string table, bitmaps by id
// and by name, and icons. resources/ fills it once at start-up (a test may fill it itself);
// the windows, CBitmap, CString::LoadString and LoadIcon read it. Registering an id or name
// that is already there replaces the earlier entry.

#include <functional>

#include "platform/base/CString.h"
#include "platform/gdi/CSurface.h"
#include "platform/res/CDialogTemplate.h"
#include "platform/res/CMenuTemplate.h"

class CDC;

// Dialog templates by id.
void AfxRegisterDialogTemplate(const CDialogTemplate& dialogTemplate);
const CDialogTemplate* AfxFindDialogTemplate(UINT nID);

// Menus by id.
void AfxRegisterMenu(const CMenuTemplate& menuTemplate);
const CMenuTemplate* AfxFindMenu(UINT nID);

// The string table (read with CString::LoadString).
void AfxRegisterString(UINT nID, const char* szText);
// The string nID, or nullptr when the table has none.
const CString* AfxFindString(UINT nID);

// Bitmaps by id, and by name matched case-insensitively (read with CBitmap::LoadBitmap).
void AfxRegisterBitmap(UINT nID, const CSurface& picture);
void AfxRegisterBitmap(LPCTSTR szName, const CSurface& picture);
const CSurface* AfxFindBitmap(UINT nID);
const CSurface* AfxFindBitmap(LPCTSTR szName);

// Draws a picture into dc, a memory context holding a bitmap of the picture's size.
using PictureDrawer = std::function<void(CDC& dc)>;
// Registers a bitmap that is drawn the first time it is looked up and kept from then on, so
// start-up pays only for the pictures a window actually shows.
void AfxRegisterBitmap(UINT nID, CSize size, PictureDrawer pfnDraw);
void AfxRegisterBitmap(LPCTSTR szName, CSize size, PictureDrawer pfnDraw);

// Icons by id; in the second form pixels equal to keyPixel are transparent.
void AfxRegisterIcon(UINT nID, const CSurface& picture);
void AfxRegisterIcon(UINT nID, const CSurface& picture, uint32_t keyPixel);
// The handle of icon nID (valid for the whole run), or nullptr when there is none.
HICON AfxLoadIcon(UINT nID);

// Empties every table; for tests that need a known state.
void AfxResetResources();
