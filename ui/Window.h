#pragma once

#include "ui/Events.h"
#include "ui/WindowDefinition.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

class QObject;
class QWidget;

namespace ui {

class Button;
class CheckBox;
class ColourPicker;
class DropTarget;
class EditBox;
class FontDialog;
class GroupBox;
class Label;
class ListBox;
class PictureBox;
class RadioButton;
class Slider;
class TabControl;
class TransparentLabel;
class PointerRouter;

// The main window built from its definition, its controls found by object name,
// and the delivery of their events to the bound handlers.
class Window {
public:
    // Builds the window hidden, with delivery suspended; nothing on a definition
    // or binding that does not fit, with the reason in error.
    static std::unique_ptr<Window> load(const WindowDefinition &definition, const Bindings &bindings,
                                        QString *error = nullptr);
    ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // Raises created, then shows the window centred on the primary screen.
    void open();
    // From here on no event is delivered.
    void beginEnding();

    QWidget &mainWidget() const { return *m_main; }
    const WindowDefinition &definition() const { return m_definition; }
    QObject *find(QStringView name) const;
    QWidget *widget(QStringView name) const;

    Label &label(QStringView name) const { return get<Label>(name); }
    TransparentLabel &transparentLabel(QStringView name) const { return get<TransparentLabel>(name); }
    Button &button(QStringView name) const { return get<Button>(name); }
    CheckBox &checkBox(QStringView name) const { return get<CheckBox>(name); }
    RadioButton &radioButton(QStringView name) const { return get<RadioButton>(name); }
    EditBox &editBox(QStringView name) const { return get<EditBox>(name); }
    Slider &slider(QStringView name) const { return get<Slider>(name); }
    ListBox &listBox(QStringView name) const { return get<ListBox>(name); }
    PictureBox &pictureBox(QStringView name) const { return get<PictureBox>(name); }
    GroupBox &groupBox(QStringView name) const { return get<GroupBox>(name); }
    TabControl &tabControl(QStringView name) const { return get<TabControl>(name); }
    ColourPicker &colourPicker(QStringView name) const { return get<ColourPicker>(name); }
    FontDialog &fontDialog(QStringView name) const { return get<FontDialog>(name); }
    DropTarget &dropTarget(QStringView name) const { return get<DropTarget>(name); }

    // Routes all pointer input to the main window until released.
    void capturePointer();
    void releasePointer();
    bool holdsCapture() const;

private:
    friend class PointerRouter;
    using BoundHandler = decltype(Binding::handler);

    explicit Window(const WindowDefinition &definition);
    bool build(const Bindings &bindings, QString *error);
    bool bind(const Bindings &bindings, QString *error);
    template <class T>
    T &get(QStringView name) const;
    // A source is 0 for the main window and 1 + its index in the definition for a control.
    template <class H>
    const H *handler(int source, Event event) const;
    void raise(int source, Event event);
    void raisePointer(int source, Event event, const PointerArgs &args);
    void raiseText(int source, Event event, const QString &text);

    const WindowDefinition &m_definition;
    std::unique_ptr<QWidget> m_main;
    QHash<QString, QObject *> m_controls;
    // kEventCount slots per source, filled once when the window is loaded.
    std::vector<std::optional<BoundHandler>> m_handlers;
    PointerRouter *m_router = nullptr;
    int m_deliveryCount = 0;
};

} // namespace ui
