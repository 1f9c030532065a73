#pragma once

#include "editor/DragState.h"
#include "ui/FontSettings.h"

#include <memory>

namespace app {

// The caption's font record as start-up creates it: size 9, face "宋体", all else zero.
std::unique_ptr<ui::FontSettings> newCaptionFont();

// The program's one CaptionFont and DragState, alive for the whole run.
std::unique_ptr<ui::FontSettings> &captionFont();
editor::DragState &dragState();

// The exit clean-up: releases CaptionFont; later calls do nothing.
void exitCleanup();

} // namespace app
