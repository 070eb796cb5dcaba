#pragma once
// CExplainOwner: what the explanation window needs of the window that owns it (the bridge
// table). The table lies above the play engines, so the window knows it only through this.

class CExplainOwner {
public:
    // The explanation window has closed itself (its rectangle is saved and it is hidden).
    // The owner forgets it and disposes of it with DeleteLater, since this call comes from
    // inside the window's own close handler, which touches nothing of the window after it.
    virtual void OnExplainWindowClosed() = 0;

protected:
    ~CExplainOwner() = default;
};
