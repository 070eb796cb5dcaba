#include "platform/base/geometry.h"

#include <algorithm>

void CRect::NormalizeRect()
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
}

bool CRect::UnionRect(LPCRECT first, LPCRECT second)
{
    const CRect a(*first);
    const CRect b(*second);
    if (a.IsRectEmpty()) {
        *this = b;
    } else if (b.IsRectEmpty()) {
        *this = a;
    } else {
        SetRect(std::min(a.left, b.left), std::min(a.top, b.top),
                std::max(a.right, b.right), std::max(a.bottom, b.bottom));
    }
    if (IsRectEmpty()) {
        SetRectEmpty();
        return false;
    }
    return true;
}

bool CRect::IntersectRect(LPCRECT first, LPCRECT second)
{
    SetRect(std::max(first->left, second->left), std::max(first->top, second->top),
            std::min(first->right, second->right), std::min(first->bottom, second->bottom));
    if (IsRectEmpty()) {
        SetRectEmpty();
        return false;
    }
    return true;
}
