#include "ui/Window.h"

#include "ui/Buttons.h"
#include "ui/ColourPicker.h"
#include "ui/DropTarget.h"
#include "ui/EditBox.h"
#include "ui/FontDialog.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/TabControl.h"
#include "ui/TransparentLabel.h"

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <span>

namespace ui {

// Examines every pointer message of the main window and its controls before
// the receiver processes it, and raises the pointer events of its target.
class PointerRouter : public QObject {
public:
    PointerRouter(Window &window, QWidget &main) : QObject(&main), m_window(window), m_main(main) {}

    void watch(QWidget *control, int source)
    {
        m_sources.insert(control, source);
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
            return false;
        auto *target = static_cast<QWidget *>(watched);
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint pos = mouse->position().toPoint();
        // An event a control ignored travels up to its container: it was not addressed there.
        if (!m_window.holdsCapture()) {
            QWidget *under = target->childAt(pos);
            for (QWidget *w = under; w && w != target; w = w->parentWidget()) {
                if (m_sources.contains(w))
                    return false;
            }
        }
        const int source = target == &m_main ? 0 : m_sources.value(target, -1);
        if (source < 0)
            return false;
        PointerArgs args{pos.x(), pos.y(), keyState(mouse->modifiers()), mouse->buttons().testFlag(Qt::LeftButton)};
        if (type == QEvent::MouseMove)
            m_window.raisePointer(source, Event::MouseMoved, args);
        else if (mouse->button() == Qt::LeftButton)
            m_window.raisePointer(
                source, type == QEvent::MouseButtonPress ? Event::LeftButtonPressed : Event::LeftButtonReleased, args);
        return false;
    }

private:
    static int keyState(Qt::KeyboardModifiers modifiers)
    {
        return (modifiers.testFlag(Qt::ControlModifier) ? KeyCtrl : 0)
               | (modifiers.testFlag(Qt::ShiftModifier) ? KeyShift : 0)
               | (modifiers.testFlag(Qt::AltModifier) ? KeyAlt : 0);
    }

    Window &m_window;
    QWidget &m_main;
    QHash<QWidget *, int> m_sources;
};

namespace {

bool isPointerEvent(Event event)
{
    return event == Event::MouseMoved || event == Event::LeftButtonPressed || event == Event::LeftButtonReleased;
}

QFont fontOf(const ControlFont &named)
{
    QFont font(named.face.toString());
    font.setPixelSize(named.pixelHeight);
    font.setWeight(QFont::Weight(named.weight));
    return font;
}

FontSettings fontSettingsOf(const ControlFont &named)
{
    FontSettings settings;
    settings.bold = named.weight >= 700 ? 1 : 0;
    settings.name = named.face.toString();
    return settings;
}

// Controls that paint their whole box hide what lies beneath them.
bool paintsItsWholeBox(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::PictureBox || kind == ControlKind::EditBox
           || kind == ControlKind::ListBox;
}

// The rows at the top of a group box above every opaque control laid over it: its own
// children and the siblings stacked above it. 0 when nothing covers it.
int titleRoom(std::span<const ControlRecord> controls, std::size_t box)
{
    const ControlRecord &group = controls[box];
    const QRect area(group.left, group.top, group.width, group.height);
    int room = 0;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlRecord &other = controls[i];
        if (i == box || !paintsItsWholeBox(other.kind))
            continue;
        QRect over(other.left, other.top, other.width, other.height);
        if (other.parent == group.name)
            over.translate(area.topLeft());
        else if (other.parent != group.parent || i > box)
            continue;
        if (!over.intersects(area) || over.top() <= area.top())
            continue;
        const int rows = over.top() - area.top();
        room = room == 0 ? rows : std::min(room, rows);
    }
    return room;
}

} // namespace

Window::Window(const WindowDefinition &definition) : m_definition(definition)
{
}

Window::~Window()
{
    beginEnding();
}

std::unique_ptr<Window> Window::load(const WindowDefinition &definition, const Bindings &bindings, QString *error)
{
    std::unique_ptr<Window> window(new Window(definition));
    ++window->m_deliveryCount;
    const bool built = window->build(bindings, error);
    --window->m_deliveryCount;
    if (!built)
        return nullptr;
    return window;
}

bool Window::build(const Bindings &bindings, QString *error)
{
    const WindowRecord &record = m_definition.window;
    m_main = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                    | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                                                    | Qt::WindowCloseButtonHint);
    m_main->setWindowTitle(record.title.toString());
    m_main->setFixedSize(record.clientWidth, record.clientHeight);
    m_main->setMouseTracking(true);
    if (QFile::exists(record.icon.toString()))
        m_main->setWindowIcon(QIcon(record.icon.toString()));
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), m_main.get());
    QObject::connect(escape, &QShortcut::activated, m_main.get(), [this] { m_main->close(); });
    m_router = new PointerRouter(*this, *m_main);
    m_main->installEventFilter(m_router);

    QHash<QString, const ControlRecord *> records;
    for (qsizetype index = 0; index < qsizetype(m_definition.controls.size()); ++index) {
        const ControlRecord &control = m_definition.controls[std::size_t(index)];
        const int source = int(index) + 1;
        const QString name = control.name.toString();
        if (records.contains(name)) {
            if (error)
                *error = QStringLiteral("duplicate control %1").arg(name);
            return false;
        }
        records.insert(name, &control);
        QWidget *parent = m_main.get();
        QObject *object = nullptr;
        QWidget *widget = nullptr;
        auto sink = [this, source](Event event) { raise(source, event); };
        switch (control.kind) {
        case ControlKind::Label: {
            auto *label = new Label(parent);
            label->setCaption(control.text.toString());
            label->setBackgroundColour(control.colour);
            label->setWordWrap(control.wordWrap);
            widget = label;
            break;
        }
        case ControlKind::TransparentLabel: {
            auto *caption = new TransparentLabel(parent);
            caption->setText(control.text.toString());
            caption->setTextColour(control.colour);
            if (control.font)
                caption->setFontSettingsInPixels(fontSettingsOf(*control.font), control.font->pixelHeight);
            widget = caption;
            break;
        }
        case ControlKind::Button: {
            auto *button = new Button(parent);
            button->setCaption(control.text.toString());
            button->setEventSink(sink);
            widget = button;
            break;
        }
        case ControlKind::CheckBox: {
            auto *box = new CheckBox(parent);
            box->setText(control.text.toString());
            box->setEventSink(sink);
            widget = box;
            break;
        }
        case ControlKind::RadioButton: {
            auto *radio = new RadioButton(parent);
            radio->setText(control.text.toString());
            radio->setChecked(control.checked);
            radio->setEventSink(sink);
            widget = radio;
            break;
        }
        case ControlKind::EditBox: {
            auto *edit = new EditBox(parent, control.multiLine);
            edit->setEventSink(sink);
            edit->setText(control.text.toString());
            widget = edit;
            break;
        }
        case ControlKind::Slider: {
            auto *slider = new Slider(parent, control.slider.orientation);
            slider->setRange(control.slider.minimum, control.slider.maximum);
            slider->setPosition(control.slider.position);
            slider->setEventSink(sink);
            widget = slider;
            break;
        }
        case ControlKind::ListBox: {
            auto *list = new ListBox(parent);
            for (QStringView item : control.items)
                list->addItem(item.toString());
            list->setEventSink(sink);
            widget = list;
            break;
        }
        case ControlKind::PictureBox: {
            auto *picture = new PictureBox(parent);
            picture->setBackgroundColour(control.colour);
            widget = picture;
            break;
        }
        case ControlKind::GroupBox: {
            auto *group = new GroupBox(parent);
            group->setTitle(control.text.toString());
            group->setBackgroundColour(control.colour);
            widget = group;
            break;
        }
        case ControlKind::TabControl: {
            auto *tabs = new TabControl(parent);
            for (QStringView page : control.items)
                tabs->addTab(new QWidget(tabs), page.toString());
            tabs->setEventSink(sink);
            widget = tabs;
            break;
        }
        case ControlKind::ColourPicker: {
            auto *picker = new ColourPicker(parent);
            picker->setInitialColour(control.colour);
            picker->setEventSink(sink);
            widget = picker;
            break;
        }
        case ControlKind::FontDialog: object = new FontDialog(m_main.get()); break;
        case ControlKind::DropTarget: {
            auto *target = new DropTarget(m_main.get());
            target->setGotFileSink([this, source](const QString &text) { raiseText(source, Event::GotFile, text); });
            object = target;
            break;
        }
        }
        if (widget) {
            widget->setGeometry(control.left, control.top, control.width, control.height);
            if (control.font && control.kind != ControlKind::TransparentLabel)
                widget->setFont(fontOf(*control.font));
            if (!control.tabStop)
                widget->setFocusPolicy(Qt::NoFocus);
            m_router->watch(widget, source);
            object = widget;
        }
        object->setObjectName(name);
        m_controls.insert(name, object);
    }

    for (const ControlRecord &control : m_definition.controls) {
        if (control.parent.isEmpty())
            continue;
        QWidget *child = widget(control.name);
        QWidget *container = widget(control.parent);
        if (!child || !container) {
            if (error)
                *error = QStringLiteral("control %1 has no container %2").arg(control.name, control.parent);
            return false;
        }
        child->setParent(container);
        child->move(control.left, control.top);
    }
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        if (auto *group = dynamic_cast<GroupBox *>(widget(m_definition.controls[i].name)))
            group->setTitleRoom(titleRoom(m_definition.controls, i));
    }
    // The first listed lies on top: raise each sibling from the bottom up.
    for (auto it = m_definition.controls.rbegin(); it != m_definition.controls.rend(); ++it) {
        if (QWidget *w = widget(it->name)) {
            w->raise();
            w->setVisible(it->visible);
        }
    }
    return bind(bindings, error);
}

bool Window::bind(const Bindings &bindings, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    m_handlers.assign((m_definition.controls.size() + 1) * std::size_t(kEventCount), std::nullopt);
    for (const Binding &binding : bindings) {
        EventSet bound = 0;
        std::size_t source = 0;
        if (binding.control.isEmpty()) {
            bound = m_definition.window.events;
        } else {
            const auto it = std::find_if(m_definition.controls.begin(), m_definition.controls.end(),
                                         [&](const ControlRecord &r) { return r.name == binding.control; });
            if (it == m_definition.controls.end())
                return fail(QStringLiteral("binding names no control: %1").arg(binding.control));
            bound = it->events;
            source = std::size_t(it - m_definition.controls.begin()) + 1;
        }
        if (!(bound & eventBit(binding.event)))
            return fail(QStringLiteral("the definition binds no such event of %1").arg(binding.control));
        const bool fits = isPointerEvent(binding.event)     ? std::holds_alternative<PointerHandler>(binding.handler)
                          : binding.event == Event::GotFile ? std::holds_alternative<TextHandler>(binding.handler)
                                                            : std::holds_alternative<Handler>(binding.handler);
        if (!fits)
            return fail(QStringLiteral("handler of the wrong kind for %1").arg(binding.control));
        std::optional<BoundHandler> &slot = m_handlers[source * std::size_t(kEventCount) + std::size_t(binding.event)];
        if (slot)
            return fail(QStringLiteral("event of %1 bound twice").arg(binding.control));
        slot = binding.handler;
    }
    return true;
}

void Window::open()
{
    raise(0, Event::Created);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect full = screen->geometry();
        const FramePosition place = centredFramePosition(full.width(), full.height(), m_definition.window);
        m_main->move(full.left() + place.left, full.top() + place.top);
    }
    m_main->show();
}

void Window::beginEnding()
{
    // Raised once and never lowered again.
    if (m_deliveryCount < 1 << 30)
        m_deliveryCount = 1 << 30;
}

QObject *Window::find(QStringView name) const
{
    return m_controls.value(name.toString());
}

QWidget *Window::widget(QStringView name) const
{
    return qobject_cast<QWidget *>(find(name));
}

template <class T>
T &Window::get(QStringView name) const
{
    auto *control = dynamic_cast<T *>(find(name));
    if (!control)
        qFatal("no control %s of the requested kind", qPrintable(name.toString()));
    return *control;
}

template Label &Window::get<Label>(QStringView) const;
template TransparentLabel &Window::get<TransparentLabel>(QStringView) const;
template Button &Window::get<Button>(QStringView) const;
template CheckBox &Window::get<CheckBox>(QStringView) const;
template RadioButton &Window::get<RadioButton>(QStringView) const;
template EditBox &Window::get<EditBox>(QStringView) const;
template Slider &Window::get<Slider>(QStringView) const;
template ListBox &Window::get<ListBox>(QStringView) const;
template PictureBox &Window::get<PictureBox>(QStringView) const;
template GroupBox &Window::get<GroupBox>(QStringView) const;
template TabControl &Window::get<TabControl>(QStringView) const;
template ColourPicker &Window::get<ColourPicker>(QStringView) const;
template FontDialog &Window::get<FontDialog>(QStringView) const;
template DropTarget &Window::get<DropTarget>(QStringView) const;

void Window::capturePointer()
{
    m_main->grabMouse();
}

void Window::releasePointer()
{
    if (holdsCapture())
        m_main->releaseMouse();
}

bool Window::holdsCapture() const
{
    return QWidget::mouseGrabber() == m_main.get();
}

template <class H>
const H *Window::handler(int source, Event event) const
{
    if (m_deliveryCount > 0)
        return nullptr;
    const std::size_t at = std::size_t(source) * std::size_t(kEventCount) + std::size_t(event);
    if (at >= m_handlers.size() || !m_handlers[at])
        return nullptr;
    return std::get_if<H>(&*m_handlers[at]);
}

void Window::raise(int source, Event event)
{
    if (const Handler *h = handler<Handler>(source, event))
        (*h)();
}

void Window::raisePointer(int source, Event event, const PointerArgs &args)
{
    if (const PointerHandler *h = handler<PointerHandler>(source, event))
        (*h)(args);
}

void Window::raiseText(int source, Event event, const QString &text)
{
    if (const TextHandler *h = handler<TextHandler>(source, event))
        (*h)(text);
}

} // namespace ui
