#pragma once
// Everything of the layer's drawing module.

#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CSurface.h"
#include "platform/gdi/gdidefs.h"
#include "platform/gdi/icon.h"
