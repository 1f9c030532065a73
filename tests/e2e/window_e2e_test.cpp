#include "E2e.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowEndToEnd, OpensCentredWithItsTitleAndEscapeEndsItWithCodeZero)
{
    e2e::EditorProcess editor;
    ASSERT_TRUE(editor.started()) << editor.process().readAllStandardError().toStdString();
    const e2e::WindowGeometry g = e2e::geometryOf(editor.windowId());
    // No window manager runs here, so the frame is the client area itself.
    EXPECT_EQ(g.left, (1024 - 683) / 2);
    EXPECT_EQ(g.top, (768 - 483) / 2);
    EXPECT_GE(g.width, 672);
    EXPECT_GE(g.height, 451);
    editor.key(QStringLiteral("Escape"));
    EXPECT_EQ(editor.waitForExit(), 0);
}

} // namespace
