#include "app/EditorState.h"

namespace app {
namespace {

std::unique_ptr<ui::FontSettings> g_captionFont;
editor::DragState g_dragState;

} // namespace

std::unique_ptr<ui::FontSettings> newCaptionFont()
{
    auto font = std::make_unique<ui::FontSettings>();
    font->size = 9;
    font->name = QStringLiteral("宋体");
    return font;
}

std::unique_ptr<ui::FontSettings> &captionFont()
{
    return g_captionFont;
}

editor::DragState &dragState()
{
    return g_dragState;
}

void exitCleanup()
{
    g_captionFont.reset();
}

} // namespace app
