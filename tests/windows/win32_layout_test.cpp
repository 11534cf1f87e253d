// The form on the screen: 96-DPI layouts scaled to the window's DPI, anchors that follow a resize,
// scroll bars when the window is smaller than its content, the size-limits hook, the gauge's
// percentage and the Japanese interface font.
#include <cwchar>
#include <string>

#include "windows/win32_fixture.h"

namespace kelvaro {
namespace {

FormLayout AnchorLayout() {
    return {
        .name = "Anchors",
        .caption = "アンカー",
        .clientWidth = 300,
        .clientHeight = 200,
        .controls =
            {
                {.kind = ControlKind::Edit,
                 .name = "Wide",
                 .bounds = {10, 10, 200, 24},
                 .anchors = kAnchorsStretch},
                {.kind = ControlKind::Button,
                 .name = "Right",
                 .bounds = {220, 10, 70, 24},
                 .anchors = kAnchorsRight,
                 .text = "参照..."},
                {.kind = ControlKind::Bevel,
                 .name = "Rule",
                 .bounds = {0, 0, 50, 2},
                 .alignTop = true},
                {.kind = ControlKind::Gauge, .name = "Gauge", .bounds = {10, 160, 280, 20}},
                {.kind = ControlKind::Label, .name = "Path", .bounds = {10, 130, 280, 16}},
            },
    };
}

class Win32Layout : public Win32Test {
  protected:
    void SetUp() override {
        form = Make(AnchorLayout());
        form->Show();
        window = Window(*form);
    }

    // Resizes the window so that its client area (scroll bars included) is this many 96-DPI
    // pixels.
    void ResizeClient(int width, int height) {
        RECT outer{0, 0, Scaled(width, window), Scaled(height, window)};
        AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                                 FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                                 GetDpiForWindow(window));
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    bool HasScrollBars() const {
        const auto style = GetWindowLongPtrW(window, GWL_STYLE);
        return (style & WS_HSCROLL) != 0 && (style & WS_VSCROLL) != 0;
    }

    std::unique_ptr<Form> form;
    HWND window = nullptr;
};

TEST_F(Win32Layout, TheDesignedClientAreaIsScaledToTheWindowsDpi) {
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, Scaled(300, window));
    EXPECT_EQ(client.bottom, Scaled(200, window));
    const RECT wide = ClientRectIn(Window(form->Get<Edit>("Wide")), window);
    EXPECT_EQ(wide.left, Scaled(10, window));
    EXPECT_EQ(wide.right, Scaled(210, window));
    EXPECT_EQ(wide.bottom - wide.top, Scaled(34, window) - Scaled(10, window));
}

TEST_F(Win32Layout, ADpiChangeRescalesTheFormItsControlsAndTheirFonts) {
    const auto before = static_cast<int>(GetDpiForWindow(window));
    const int after = before == 96 ? 144 : 96;
    // The system suggests the frame that holds the designed client area at the new DPI.
    RECT outer{0, 0, MulDiv(300, after, 96), MulDiv(200, after, 96)};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             static_cast<UINT>(before));
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(after, after), reinterpret_cast<LPARAM>(&outer));

    HWND wide = Window(form->Get<Edit>("Wide"));
    EXPECT_EQ(ClientRectIn(wide, window).left, MulDiv(10, after, 96));
    EXPECT_EQ(ClientRectIn(wide, window).right, MulDiv(210, after, 96));
    LOGFONTW settings{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(wide, WM_GETFONT, 0, 0)), sizeof(settings),
               &settings);
    EXPECT_EQ(settings.lfHeight, -MulDiv(12, after, 96));
}

TEST_F(Win32Layout, AFormPlacedAtTheScreenCentreOpensThere) {
    FormLayout layout = AnchorLayout();
    layout.name = "Centred";
    layout.position = FormPosition::ScreenCenter;
    auto centred = Make(layout);
    centred->Show();
    RECT outer;
    GetWindowRect(Window(*centred), &outer);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Window(*centred), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    EXPECT_NEAR(outer.left + outer.right, work.left + work.right, 1);
    EXPECT_NEAR(outer.top + outer.bottom, work.top + work.bottom, 1);
}

TEST_F(Win32Layout, AnchorsFollowAResizeAndASmallWindowScrollsItsContent) {
    HWND wide = Window(form->Get<Edit>("Wide"));
    HWND right = Window(form->Get<Button>("Right"));
    HWND rule = Window(form->Get<Bevel>("Rule"));

    ResizeClient(400, 260);
    EXPECT_FALSE(HasScrollBars());
    EXPECT_EQ(ClientRectIn(wide, window).right, Scaled(310, window));  // widens with the form
    EXPECT_EQ(ClientRectIn(right, window).left, Scaled(320, window));  // follows the right edge
    EXPECT_EQ(ClientRectIn(right, window).right, Scaled(390, window));
    EXPECT_EQ(ClientRectIn(rule, window).right, Scaled(400, window));  // spans the top

    // Smaller than the content: the content keeps its designed size and scrolls.
    ResizeClient(150, 100);
    EXPECT_TRUE(HasScrollBars());
    EXPECT_EQ(ClientRectIn(wide, window).right, Scaled(210, window));
    EXPECT_EQ(ClientRectIn(right, window).left, Scaled(220, window));
    SendMessageW(window, WM_HSCROLL, SB_BOTTOM, 0);
    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
    const int across = GetScrollPos(window, SB_HORZ);
    const int down = GetScrollPos(window, SB_VERT);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(across, Scaled(300, window) - client.right);  // scrolled to the far edge
    EXPECT_EQ(down, Scaled(200, window) - client.bottom);
    EXPECT_EQ(ClientRectIn(right, window).left, Scaled(220, window) - across);
    EXPECT_EQ(ClientRectIn(wide, window).top, Scaled(10, window) - down);

    ResizeClient(300, 200);
    EXPECT_FALSE(HasScrollBars());
    EXPECT_EQ(ClientRectIn(wide, window).left, Scaled(10, window));
    EXPECT_EQ(ClientRectIn(wide, window).top, Scaled(10, window));
}

TEST_F(Win32Layout, TheSizeLimitsHookSeesAndSetsNinetySixDpiPixels) {
    MinMaxInfo seen;
    form->OnGetMinMaxInfo = [&](MinMaxInfo& limits) {
        seen = limits;
        limits.maxTrackHeight = 300;
        limits.minTrackWidth = 250;
    };
    MINMAXINFO info{};
    info.ptMaxSize = {1920, 1080};
    info.ptMaxPosition = {-8, -8};
    info.ptMinTrackSize = {132, 38};
    info.ptMaxTrackSize = {3000, 2400};
    SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));

    const auto down = [&](int pixels) {
        return MulDiv(pixels, 96, static_cast<int>(GetDpiForWindow(window)));
    };
    EXPECT_EQ(seen.maxTrackHeight, down(2400));
    EXPECT_EQ(seen.maxWidth, down(1920));
    EXPECT_EQ(info.ptMaxTrackSize.y, Scaled(300, window));
    EXPECT_EQ(info.ptMinTrackSize.x, Scaled(250, window));
    // What the hook left alone keeps the system's exact values.
    EXPECT_EQ(info.ptMaxTrackSize.x, 3000);
    EXPECT_EQ(info.ptMinTrackSize.y, 38);
    EXPECT_EQ(info.ptMaxSize.x, 1920);
    EXPECT_EQ(info.ptMaxPosition.y, -8);
}

TEST_F(Win32Layout, ALabelShowsAnAmpersandAsTextUnlessItMarksAnAccessKey) {
    auto& path = form->Get<Label>("Path");
    struct Case {
        const char* text;
        bool accessKey;
    };
    const Case cases[] = {
        {"C:\\R&D\\img###.jpg", false},   {"移動元(&F)", true}, {"A && B", false},
        {"Tom & Jerry の写真(&P)", true}, {"(&)", false},
    };
    for (const Case& c : cases) {
        path.SetText(c.text);
        const auto style = GetWindowLongPtrW(Window(path), GWL_STYLE);
        EXPECT_EQ((style & SS_NOPREFIX) == 0, c.accessKey) << c.text;
        EXPECT_EQ(TextOf(Window(path)), c.text);
    }
}

TEST_F(Win32Layout, TheGaugeShowsItsPercentage) {
    auto& gauge = form->Get<Gauge>("Gauge");
    struct Case {
        int least;
        int greatest;
        int progress;
        const char* text;
    };
    const Case cases[] = {
        {0, 100, 0, "0%"},   {0, 100, 42, "42%"},   {0, 250, 125, "50%"},
        {10, 20, 15, "50%"}, {0, 100, 150, "100%"}, {0, 3, 1, "33%"},
    };
    for (const Case& c : cases) {
        gauge.SetMinValue(0);
        gauge.SetMaxValue(c.greatest);
        gauge.SetMinValue(c.least);
        gauge.SetProgress(c.progress);
        EXPECT_EQ(TextOf(Window(gauge)), c.text)
            << c.least << ".." << c.greatest << " at " << c.progress;
    }
}

TEST_F(Win32Layout, ControlsDrawWithAJapaneseFaceInTheDefaultCharacterSet) {
    HWND wide = Window(form->Get<Edit>("Wide"));
    auto font = reinterpret_cast<HFONT>(SendMessageW(wide, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW settings{};
    GetObjectW(font, sizeof(settings), &settings);
    const std::wstring face = settings.lfFaceName;
    EXPECT_TRUE(face == L"ＭＳ Ｐゴシック" || face == L"Meiryo UI" || face == L"Yu Gothic UI" ||
                face == L"MS UI Gothic" || face == L"IPAPGothic" || face == L"Noto Sans CJK JP")
        << Narrow(face);
    EXPECT_EQ(settings.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(settings.lfHeight, -Scaled(12, wide));
}

TEST_F(Win32Layout, AHintShowsAsTheTooltipOfItsControlWhileShowHintIsOn) {
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(window, name, 32);
            if (std::wstring(name) == TOOLTIPS_CLASSW) {
                *reinterpret_cast<HWND*>(found) = window;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    ASSERT_NE(tips, nullptr);
    auto& right = form->Get<Button>("Right");
    const auto tipOf = [&](HWND tool) {
        wchar_t text[80] = {};
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = window;
        info.uId = reinterpret_cast<UINT_PTR>(tool);
        info.lpszText = text;
        if (!SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info))) {
            return std::string("(none)");
        }
        info.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&info));
        return Narrow(text);
    };
    right.SetHint("フォルダを選ぶ|移動元のフォルダを一覧から選びます", true);
    EXPECT_EQ(tipOf(Window(right)), "フォルダを選ぶ");
    right.SetHint("別の説明", true);
    EXPECT_EQ(tipOf(Window(right)), "別の説明");
    right.SetHint("別の説明", false);
    EXPECT_EQ(tipOf(Window(right)), "(none)");
}

}  // namespace
}  // namespace kelvaro
