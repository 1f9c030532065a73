#include "app/Editor.h"

#include "editor/Handlers.h"
#include "exchange/Handlers.h"
#include "ui/Buttons.h"
#include "ui/Controls.h"
#include "ui/DropTarget.h"
#include "ui/EditBox.h"
#include "ui/Label.h"
#include "ui/PictureBox.h"
#include "ui/Slider.h"
#include "ui/Window.h"

namespace app {

Editor::Editor(ui::FontSettings &captionFont, editor::DragState &drag)
{
    m_context.captionFont = &captionFont;
    m_context.drag = &drag;
    m_exchange.refreshSizeLabels = [this] { editor::refreshSizeLabels(m_context); };
}

Editor::~Editor()
{
    if (m_window)
        m_window->beginEnding();
}

bool Editor::load(QString *error)
{
    m_window = ui::Window::load(ui::mainWindowDefinition(), bindings(), error);
    if (!m_window)
        return false;
    std::optional<ui::Controls> controls = ui::Controls::resolve(*m_window, error);
    if (!controls) {
        m_window.reset();
        return false;
    }
    m_controls = std::make_unique<ui::Controls>(*controls);
    m_context.window = m_window.get();
    m_context.controls = m_controls.get();
    m_exchange.controls = m_controls.get();
    return true;
}

void Editor::open()
{
    m_window->open();
}

void Editor::openFiles(const QStringList &paths)
{
    if (!paths.isEmpty())
        exchange::fileDropped(m_exchange, ui::gotFileText(paths));
}

void windowCreated(editor::Context &ctx)
{
    const ui::Controls &c = ctx.ui();
    c.dropTarget.registerOn(&c.pictureArea);
    c.captionWidthBox.setText(QString::number(192));
    c.captionHeightBox.setText(QString::number(40));
    c.pictureArea.setDisplayMode(1);
    c.boldBox.setCheckedFlag(1);
    c.maskWidthSlider.setPosition(c.mask.width());
    c.maskHeightSlider.setPosition(c.mask.height());
}

ui::Bindings Editor::bindings()
{
    using ui::Event;
    editor::Context &ctx = m_context;
    auto plain = [&ctx](void (*handler)(editor::Context &)) { return ui::Handler([&ctx, handler] { handler(ctx); }); };
    auto pointer = [&ctx](void (*handler)(editor::Context &, const ui::PointerArgs &)) {
        return ui::PointerHandler([&ctx, handler](const ui::PointerArgs &args) { handler(ctx, args); });
    };
    exchange::Context &out = m_exchange;
    auto exchanged = [&out](void (*handler)(exchange::Context &)) {
        return ui::Handler([&out, handler] { handler(out); });
    };
    return {
        {QString(), Event::Created, plain(windowCreated)},
        {QString(), Event::MouseMoved, pointer(editor::pointerMoved)},
        {QString(), Event::LeftButtonReleased, pointer(editor::buttonReleased)},
        {QStringLiteral("透明标签1"), Event::LeftButtonPressed, pointer(editor::captionPressed)},
        {QStringLiteral("标签6"), Event::LeftButtonPressed, pointer(editor::maskPressed)},
        {QStringLiteral("按钮2"), Event::Click, plain(editor::fontButtonClicked)},
        {QStringLiteral("按钮4"), Event::Click, plain(editor::zoomIn)},
        {QStringLiteral("按钮5"), Event::Click, plain(editor::zoomOut)},
        {QStringLiteral("选择框1"), Event::Click, plain(editor::boldClicked)},
        {QStringLiteral("单选框1"), Event::Click, plain(editor::showMaskClicked)},
        {QStringLiteral("单选框2"), Event::Click, plain(editor::hideMaskClicked)},
        {QStringLiteral("滑块条1"), Event::PositionChange, plain(editor::captionWidthMoved)},
        {QStringLiteral("滑块条2"), Event::PositionChange, plain(editor::captionHeightMoved)},
        {QStringLiteral("滑块条3"), Event::PositionChange, plain(editor::fontSizeMoved)},
        {QStringLiteral("滑块条4"), Event::PositionChange, plain(editor::maskWidthMoved)},
        {QStringLiteral("滑块条5"), Event::PositionChange, plain(editor::maskHeightMoved)},
        {QStringLiteral("颜色选择器1"), Event::ColourChange, plain(editor::captionColourChanged)},
        {QStringLiteral("颜色选择器2"), Event::ColourChange, plain(editor::maskColourChanged)},
        {QStringLiteral("编辑框1"), Event::TextChange, plain(editor::captionTextChanged)},
        {QStringLiteral("编辑框2"), Event::TextChange, plain(editor::captionWidthTextChanged)},
        {QStringLiteral("编辑框3"), Event::TextChange, plain(editor::captionHeightTextChanged)},
        {QStringLiteral("列表框1"), Event::ItemSelected, plain(editor::templateSelected)},
        {QStringLiteral("选择夹1"), Event::PageChange, plain(editor::pageChanged)},
        {QStringLiteral("按钮1"), Event::Click, exchanged(exchange::copyClicked)},
        {QStringLiteral("按钮3"), Event::Click, exchanged(exchange::saveClicked)},
        {QStringLiteral("拖放对象1"), Event::GotFile,
         ui::TextHandler([&out](const QString &text) { exchange::fileDropped(out, text); })},
    };
}

} // namespace app
