#pragma once

// The page's panels, each written from the catalogue and the texts. The
// generator (page_generator.cpp) lists them in their order on the page.

#include "page_html.h"

namespace velmaro::web {

// The main window's three panels; the temperature panel holds the sensor
// panel.
void WritePressurePanel(PageHtml& html);
void WriteTemperaturePanel(PageHtml& html);
void WriteFlowPanel(PageHtml& html);

// Every tool of the model (src/tools), written from its declaration: the
// instrument window's three side by side, water and steam, then any other
// in a panel of its own (tool_panels.cpp).
void WriteToolPanels(PageHtml& html);

// The category dialogs, one folding section each, in the order of the main
// window's button row.
void WriteCategories(PageHtml& html);

} // namespace velmaro::web
