#pragma once
// CModelledWindowManager: for the life of the object, the headless backend models a window
// manager (CHeadlessBackend::SetFrameMargins) with the frame a desktop's manager draws: a
// pixel at the sides, a 20-pixel title bar and a 5-pixel bottom edge.

#include "platform/backend/CHeadlessBackend.h"
#include "platform/backend/backend.h"

class CModelledWindowManager {
public:
    CModelledWindowManager() { Backend().SetFrameMargins(Frame()); }
    ~CModelledWindowManager() { Backend().SetFrameMargins(CRect()); }
    CModelledWindowManager(const CModelledWindowManager&) = delete;
    CModelledWindowManager& operator=(const CModelledWindowManager&) = delete;

    // The frame's side thicknesses: left, top, right, bottom.
    static CRect Frame() { return CRect(1, 20, 1, 5); }
    static plat::CHeadlessBackend& Backend() { return static_cast<plat::CHeadlessBackend&>(plat::GetBackend()); }
};
