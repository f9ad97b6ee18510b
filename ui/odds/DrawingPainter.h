#pragma once

#include "batch/output/Drawing.h"
#include "framework/windows/WPainter.h"

// Draws a picture's model with a window's painter: scaled to fit the
// rectangle whole (its proportions kept, centred in it), and nothing
// outside it. Paint is read as the SVG of the same drawing reads it: a
// shape is filled black and not outlined unless it says otherwise; an
// opacity blends its colour with the white page.
void PaintDrawing(const Drawing& drawing, WPainter& painter, const WRect& into);
