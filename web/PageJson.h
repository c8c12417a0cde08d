#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/HelpTexts.h"
#include "app/JsonWriter.h"
#include "app/MarkerLines.h"
#include "plot/Colour.h"
#include "web/Catalogue.h"
#include "web/WebPanel.h"
#include "web/WebReceiverPanel.h"

namespace quorvane::web {

// A colour the core holds (0x00BBGGRR) as the page's style writes it, "#rrggbb".
std::string CssColour(Colour colour);

// A marker's or the cursor's line, in the window's twips.
void WriteLine(JsonWriter& json, const MarkerLine& line);

// A control's accessible description in the page's language with the guide's
// hint; a picture's also says what it shows (`shown`, where known) and its keys.
std::string HelpDescription(const ControlHelpText& help, const Catalogue& catalogue, std::string_view shown = {});

// The design: the window, every control by name with its kind, box, type
// size, scroll range and colour, and the Tab order.
void WriteDesign(JsonWriter& json);

// Every control's texts in the page's language: caption, list choices,
// accessible name, description and tooltip, as the window shows them.
void WriteTexts(JsonWriter& json, const Catalogue& catalogue, bool colourBlind);

// What the controls now show, each by name, the pause button's caption and
// help, whether the clock runs, the controls' colours and the zero markers.
void WriteState(JsonWriter& json, const WebPanel& panel, const Catalogue& catalogue, std::string_view decimalPoint);

// Where the receiver's panel stands below the window, in the window's twips:
// its pictures under the window's, so that their traces line up.
int ReceiverLeft();

// The receiver's panel as the window's: its design (with its left edge), its texts in the
// page's language, and what its controls now show and whether it is open.
void WriteReceiverDesign(JsonWriter& json);
void WriteReceiverTexts(JsonWriter& json, const Catalogue& catalogue);
void WriteReceiverState(JsonWriter& json, const WebReceiverPanel& panel, bool open, const Catalogue& catalogue,
                        std::string_view decimalPoint);

}  // namespace quorvane::web
