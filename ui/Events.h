#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <variant>
#include <vector>

namespace ui {

enum class Event {
    Created,
    MouseMoved,
    LeftButtonPressed,
    LeftButtonReleased,
    Click,
    PositionChange,
    ColourChange,
    TextChange,
    ItemSelected,
    PageChange,
    GotFile,
};

inline constexpr int kEventCount = static_cast<int>(Event::GotFile) + 1;

// The events a record binds, as a bit set.
using EventSet = unsigned;

inline constexpr EventSet eventBit(Event event)
{
    return 1u << static_cast<unsigned>(event);
}

template <class... E>
constexpr EventSet events(E... e)
{
    return (EventSet{0} | ... | eventBit(e));
}

// Key state bits sampled with a pointer event.
enum KeyState : int { KeyCtrl = 1, KeyShift = 2, KeyAlt = 4 };

struct PointerArgs {
    int x = 0;
    int y = 0;
    int keys = 0;
    bool leftButtonHeld = false; // lets a drag notice that the button went up unseen
};

using Handler = std::function<void()>;
using PointerHandler = std::function<void(const PointerArgs &)>;
using TextHandler = std::function<void(const QString &)>;

struct Binding {
    QString control; // empty: the main window
    Event event = Event::Created;
    std::variant<Handler, PointerHandler, TextHandler> handler;
};

using Bindings = std::vector<Binding>;

} // namespace ui
