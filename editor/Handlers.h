#pragma once

#include "editor/Context.h"
#include "ui/Events.h"

namespace editor {

// Template catalogue and selection.
void templateSelected(Context &ctx);

// Picture sizing and zoom.
inline constexpr double kZoomInFactor = 1.1;
inline constexpr double kZoomOutFactor = 0.9;
int zoomedSide(int side, double factor);
void refreshSizeLabels(Context &ctx);
void zoomIn(Context &ctx);
void zoomOut(Context &ctx);

// Caption styling.
void captionTextChanged(Context &ctx);
void fontButtonClicked(Context &ctx);
void boldClicked(Context &ctx);
void fontSizeMoved(Context &ctx);
void captionColourChanged(Context &ctx);
void captionWidthMoved(Context &ctx);
void captionHeightMoved(Context &ctx);
void captionWidthTextChanged(Context &ctx);
void captionHeightTextChanged(Context &ctx);

// Overlay dragging.
void captionPressed(Context &ctx, const ui::PointerArgs &args);
void maskPressed(Context &ctx, const ui::PointerArgs &args);
void pointerMoved(Context &ctx, const ui::PointerArgs &args);
void buttonReleased(Context &ctx, const ui::PointerArgs &args);

// Mask controls.
void showMaskClicked(Context &ctx);
void hideMaskClicked(Context &ctx);
void maskWidthMoved(Context &ctx);
void maskHeightMoved(Context &ctx);
void maskColourChanged(Context &ctx);

// Tab switching.
void pageChanged(Context &ctx);

} // namespace editor
