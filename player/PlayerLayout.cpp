#include "PlayerLayout.h"

#include "PlayerIds.h"

Presentation ChoosePresentation(const Text& displayMode) {
    if (TextsEqual(displayMode, kDisplayModeWindowed)) return kWindowed;
    if (TextsEqual(displayMode, kDisplayModeFullScreen)) return kFullScreen;
    return kNoPresentation;
}

bool WantsMenu(const Text& menuFlag) { return TextsEqual(menuFlag, kMenuFlagWithMenu); }

// Settings come from a file anyone can edit, so every sum wraps instead of overflowing.
static int Sum(int a, int b) { return WrappingSum(a, b); }
static int Sum(int a, int b, int c) { return WrappingSum(WrappingSum(a, b), c); }

WindowLayout PlanWindow(const Settings& settings, int screenWidth, int screenHeight) {
    WindowLayout layout{};
    layout.presentation = ChoosePresentation(settings[kDisplayMode]);
    if (layout.presentation == kFullScreen) {
        layout.style = WS_POPUP | WS_VISIBLE;
        layout.clientWidth = screenWidth;
        layout.clientHeight = screenHeight;
        layout.pageView = {kPageViewLeftMargin, kPageViewTopMargin, Sum(screenWidth, kPageViewExtraWidth),
                           screenHeight};
        return layout;
    }
    if (layout.presentation != kWindowed) return layout;

    int width = AsNumber(settings[kWidth]);
    int height = AsNumber(settings[kHeight]);
    layout.style = WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    layout.title = settings[kProjectName];
    layout.menu = WantsMenu(settings[kMenuFlag]);
    layout.clientWidth = width;
    layout.clientHeight = Sum(height, layout.menu ? kMenuHeight : 0);
    // The page view's height uses the stored height, without the menu's 20 pixels.
    layout.pageView = {Sum(AsNumber(settings[kXTop]), kPageViewLeftMargin),
                       Sum(AsNumber(settings[kYTop]), kPageViewTopMargin),
                       Sum(width, AsNumber(settings[kXBottom]), kPageViewExtraWidth),
                       Sum(height, AsNumber(settings[kYBottom]), kPageViewExtraHeight)};
    return layout;
}

Box CaptureBand(const Settings& settings) {
    return {0, kCaptureTop, AsNumber(settings[kWidth]), Sum(AsNumber(settings[kHeight]), -kCaptureHeightCut)};
}

Text PageAddress(const Text& programFolder) { return Text(kPageAddressPrefix) + programFolder + kPagePath; }

Text PictureStartFolder(const Text& programFolder) {
    if (programFolder.empty() || programFolder[programFolder.size() - 1] != '\\') return programFolder;
    return Text(programFolder.c_str(), programFolder.size() - 1);
}
