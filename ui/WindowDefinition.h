#pragma once

#include "ui/Colour.h"
#include "ui/Events.h"

#include <QStringView>
#include <Qt>

#include <optional>
#include <span>

namespace ui {

enum class ControlKind {
    Label,
    TransparentLabel,
    Button,
    CheckBox,
    RadioButton,
    EditBox,
    Slider,
    ListBox,
    PictureBox,
    GroupBox,
    TabControl,
    ColourPicker,
    FontDialog,
    DropTarget,
};

// A control's own font: face, character height in pixels (at any resolution), weight.
struct ControlFont {
    QStringView face;
    int pixelHeight = 0;
    int weight = 400;
};

// A slider's orientation, range and starting position.
struct SliderRange {
    Qt::Orientation orientation = Qt::Horizontal;
    int minimum = 0;
    int maximum = 0;
    int position = 0;
};

struct ControlRecord {
    QStringView name;
    ControlKind kind;
    QStringView parent; // empty: the main window
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    bool tabStop = false;
    EventSet events = 0;
    // Kind settings; each kind reads the ones that apply to it.
    QStringView text;                // caption or initial text
    ColourValue colour = 0;          // background of labels and group boxes, text of the caption
    std::optional<ControlFont> font; // none: the default GUI font
    SliderRange slider{};
    bool multiLine = false;
    bool checked = false; // radio buttons
    bool wordWrap = false;
    std::span<const QStringView> items; // list items or tab pages
};

struct WindowRecord {
    QStringView title;
    int outerWidth = 0;
    int outerHeight = 0;
    int storedLeft = 0;
    int storedTop = 0;
    // The client size that gives the outer size on a typical frame (3 px borders, 25 px title).
    int clientWidth = 0;
    int clientHeight = 0;
    QStringView icon; // resource path
    EventSet events = 0;
};

struct WindowDefinition {
    WindowRecord window;
    std::span<const ControlRecord> controls; // stacking order, top first
};

// The main window's definition; built into the program and never changed.
const WindowDefinition &mainWindowDefinition();

// Where the window's outer frame goes: centred, quotients truncated toward zero.
struct FramePosition {
    int left;
    int top;
};
FramePosition centredFramePosition(int screenWidth, int screenHeight, const WindowRecord &window);

} // namespace ui
