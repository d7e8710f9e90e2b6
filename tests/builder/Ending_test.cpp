// Every way the builder ends: Quit, Escape in the main window, close requests
// for either window, Alt+F4 on the tuning dialog. Each ends the whole
// program at once with exit code 0.
#include <gtest/gtest.h>

#include "BuilderDriver.h"

namespace {

struct Ending {
    const char* name;
    bool withTuning;  // the tuning dialog is open first
    std::function<void(BuilderSession&)> act;
};

const Ending kEndings[] = {
    {"Quit", false, [](BuilderSession& b) { Click(b.Control(kQuit)); }},
    {"Escape in the main window", false, [](BuilderSession& b) { PressKeys(b.main(), {VK_ESCAPE}); }},
    {"Escape in the main window while the tuning dialog is open", true,
     [](BuilderSession& b) { PressKeys(b.main(), {VK_ESCAPE}); }},
    {"Quit while the tuning dialog is open", true, [](BuilderSession& b) { Click(b.Control(kQuit)); }},
    {"close request posted to the main window", false,
     [](BuilderSession& b) { PostMessageA(b.main(), WM_CLOSE, 0, 0); }},
    {"close request sent to the main window", false,
     [](BuilderSession& b) {
         DWORD_PTR result;
         SendMessageTimeoutA(b.main(), WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
     }},
    {"close request for the tuning dialog", true,
     [](BuilderSession& b) { PostMessageA(b.Tuning(), WM_CLOSE, 0, 0); }},
    {"Alt+F4 on the tuning dialog", true, [](BuilderSession& b) { PressKeys(b.Tuning(), {VK_F4}, false, true); }},
    {"Alt+F4 on the main window", false, [](BuilderSession& b) { PressKeys(b.main(), {VK_F4}, false, true); }},
};

TEST(BuilderEnding, EveryWayEndsTheBuilderWithExitCodeZero) {
    for (const Ending& ending : kEndings) {
        SCOPED_TRACE(ending.name);
        BuilderSession builder;
        ASSERT_NE(builder.main(), nullptr);
        if (ending.withTuning) {
            ASSERT_NE(builder.OpenTuning(), nullptr);
        }
        ending.act(builder);
        EXPECT_EQ(builder.process().WaitExit(), 0);
    }
}

}  // namespace
