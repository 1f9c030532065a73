#pragma once

#include "WiredEditorTest.h"

#include "app/Editor.h"
#include "app/EditorState.h"
#include "editor/DragState.h"
#include "ui/FontSettings.h"
#include "ui/Platform.h"
#include "ui/Window.h"

#include <QPoint>
#include <QSize>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QPoint &point, std::ostream *os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSize &size, std::ostream *os)
{
    *os << size.width() << " x " << size.height();
}

// The fully wired editor, loaded and shown, for tests that drive it as a user would.
class EditorFixture : public WiredEditorTest {
protected:
    void TearDown() override
    {
        if (editor.window().holdsCapture())
            editor.window().releasePointer();
        // No button stays held for the next test's input.
        QTestPrivate::qtestMouseButtons = Qt::NoButton;
    }
};
