#pragma once

#include "ui/Platform.h"
#include "ui/Window.h"

#include <QString>

#include <memory>
#include <vector>

// A main window whose every bound event is recorded instead of handled.
struct Raised {
    QString control;
    ui::Event event;
    ui::PointerArgs pointer;
    QString text;
};

class RecordingWindow {
public:
    RecordingWindow()
    {
        ui::preparePlatform();
        const ui::WindowDefinition &definition = ui::mainWindowDefinition();
        ui::Bindings bindings;
        auto add = [&](const QString &name, ui::EventSet events) {
            for (int e = 0; e <= int(ui::Event::GotFile); ++e) {
                const auto event = ui::Event(e);
                if (!(events & ui::eventBit(event)))
                    continue;
                if (event == ui::Event::MouseMoved || event == ui::Event::LeftButtonPressed
                    || event == ui::Event::LeftButtonReleased)
                    bindings.push_back({name, event, ui::PointerHandler([this, name, event](const ui::PointerArgs &a) {
                                            raised.push_back({name, event, a, {}});
                                            if (onPointer)
                                                onPointer(name, event, a);
                                        })});
                else if (event == ui::Event::GotFile)
                    bindings.push_back({name, event, ui::TextHandler([this, name, event](const QString &t) {
                                            raised.push_back({name, event, {}, t});
                                        })});
                else
                    bindings.push_back({name, event, ui::Handler([this, name, event] {
                                            raised.push_back({name, event, {}, {}});
                                        })});
            }
        };
        add(QString(), definition.window.events);
        for (const ui::ControlRecord &control : definition.controls)
            add(control.name.toString(), control.events);
        window = ui::Window::load(definition, bindings, &error);
    }

    int count(const QString &control, ui::Event event) const
    {
        int n = 0;
        for (const Raised &r : raised)
            n += r.control == control && r.event == event;
        return n;
    }

    std::unique_ptr<ui::Window> window;
    std::vector<Raised> raised;
    std::function<void(const QString &, ui::Event, const ui::PointerArgs &)> onPointer;
    QString error;
};
