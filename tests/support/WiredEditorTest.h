#pragma once

#include "app/Editor.h"
#include "app/EditorState.h"
#include "editor/DragState.h"
#include "ui/FontSettings.h"
#include "ui/Platform.h"
#include "ui/Window.h"

#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// The fully wired editor with a state of its own, loaded and shown, for tests that
// drive it as a user would. beforeOpen() runs between loading and the created event.
class WiredEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::preparePlatform();
        QString why;
        ASSERT_TRUE(editor.load(&why)) << why.toStdString();
        beforeOpen();
        editor.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    }

    virtual void beforeOpen() {}

    ui::Window &w() const { return editor.window(); }
    QWidget &main() const { return editor.window().mainWidget(); }

    ui::FontSettings captionFont = *app::newCaptionFont();
    editor::DragState drag;
    app::Editor editor{captionFont, drag};
};
