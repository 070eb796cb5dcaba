// The message loop's speed: dispatching 100,000 posted messages (goal under 50 ms) and one
// full repaint of a dialog with 66 bitmap buttons, as the bidding box has (goal under 2 ms).

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/backend/backend.h"
#include "platform/gdi/CSurface.h"
#include "platform/res/resources.h"
#include "platform/wnd.h"

namespace {

constexpr int MESSAGE_COUNT = 100000;
constexpr UINT WM_BENCH = WM_USER + 7;
constexpr UINT IDD_BUTTONS = 9501;
constexpr int BUTTON_COUNT = 66;
constexpr int BUTTON_FIRST_ID = 2000;
constexpr int BUTTONS_PER_ROW = 11;
constexpr int BUTTON_PICTURE_SIZE = 24;

void UseHeadlessOnce()
{
    static bool s_bDone = false;
    if (!s_bDone) {
        plat::UseHeadlessBackend();
        s_bDone = true;
    }
}

class CCountingWnd : public CWnd {
public:
    long m_nCount = 0;

protected:
    LRESULT OnBench(WPARAM, LPARAM)
    {
        ++m_nCount;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingWnd, CWnd)
    ON_MESSAGE(WM_BENCH, &CCountingWnd::OnBench)
END_MESSAGE_MAP()

void BM_DispatchPostedMessages(benchmark::State& state)
{
    UseHeadlessOnce();
    CCountingWnd wnd;
    wnd.CreateEx(0, "Bench", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0);
    for (auto _ : state) {
        for (int i = 0; i < MESSAGE_COUNT; ++i)
            wnd.PostMessage(WM_BENCH, static_cast<WPARAM>(i));
        MSG msg;
        while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    benchmark::DoNotOptimize(wnd.m_nCount);
}
BENCHMARK(BM_DispatchPostedMessages)->Unit(benchmark::kMillisecond);

class CButtonsDlg : public CDialog {
public:
    CButtonsDlg() : CDialog(IDD_BUTTONS) {}
    std::vector<std::unique_ptr<CBitmapButton>> m_buttons;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (int i = 0; i < BUTTON_COUNT; ++i) {
            m_buttons.push_back(std::make_unique<CBitmapButton>());
            m_buttons.back()->AutoLoad(BUTTON_FIRST_ID + i, this);
        }
        return TRUE;
    }
};

void RegisterButtonsTemplate()
{
    CDialogTemplate dlg{IDD_BUTTONS, "Bidding", 0, 0, 302, 166, WS_POPUP | WS_CAPTION | WS_VISIBLE};
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        int x = 7 + 18 * (i % BUTTONS_PER_ROW);
        int y = 7 + 18 * (i / BUTTONS_PER_ROW);
        dlg.controls.push_back({BUTTON_FIRST_ID + i, ControlKind::OwnerDrawButton, "BB", x, y, 16, 16});
    }
    AfxRegisterDialogTemplate(dlg);
    const char* names[] = {"BBU", "BBD", "BBF", "BBX"};
    uint32_t pixel = 0x00204080;
    for (const char* szName : names)
        AfxRegisterBitmap(szName, CSurface(BUTTON_PICTURE_SIZE, BUTTON_PICTURE_SIZE, pixel += 0x00101010));
}

void BM_RepaintDialogWith66BitmapButtons(benchmark::State& state)
{
    UseHeadlessOnce();
    RegisterButtonsTemplate();
    CButtonsDlg dlg;
    dlg.Create(IDD_BUTTONS);
    dlg.UpdateWindow();
    for (auto _ : state) {
        dlg.Invalidate();
        dlg.UpdateWindow();
    }
    state.counters["buttons"] = static_cast<double>(dlg.m_buttons.size());
}
BENCHMARK(BM_RepaintDialogWith66BitmapButtons)->Unit(benchmark::kMicrosecond);

} // namespace
