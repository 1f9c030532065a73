#pragma once

#include "editor/Context.h"
#include "exchange/Context.h"
#include "ui/Events.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace ui {
class Window;
struct Controls;
} // namespace ui

namespace app {

// The composition root: loads the main window with every event bound to its handler.
class Editor {
public:
    Editor(ui::FontSettings &captionFont, editor::DragState &drag);
    ~Editor();

    // Builds the window hidden; false (with the reason) when it cannot be loaded.
    bool load(QString *error = nullptr);
    // Raises created and shows the window.
    void open();
    // The files named on the command line, loaded as a drop of them would be.
    void openFiles(const QStringList &paths);

    ui::Window &window() const { return *m_window; }
    const ui::Controls &controls() const { return *m_controls; }
    editor::Context &context() { return m_context; }
    exchange::Context &exchangeContext() { return m_exchange; }

private:
    ui::Bindings bindings();

    editor::Context m_context;
    exchange::Context m_exchange;
    std::unique_ptr<ui::Window> m_window;
    std::unique_ptr<ui::Controls> m_controls;
};

// The window-created handler: puts the start values in place before the window shows.
void windowCreated(editor::Context &ctx);

} // namespace app
