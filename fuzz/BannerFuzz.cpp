// Any text as a banner: reading, commands, waits and scrolling must neither
// hang nor crash, and every drawing must fill the whole top line.
#include "app/ScrollText.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"
#include "fuzz/FuzzTarget.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr int FRAMES = 120;
// Long texts only slow the search down; the commands fit in far less.
constexpr size_t MAX_TEXT = 2048;
// Mostly 60 Hz frames, now and then a long one so that waits run out, and
// one of no time, as the main loop's first frame is.
constexpr double frame_seconds[] = {0.0, 1.0 / 60, 1.0 / 60, 0.1, 1.0 / 60, 0.75};
constexpr int frame_kinds = sizeof(frame_seconds) / sizeof(frame_seconds[0]);

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    glyph_size = 16;
    ScrollText banner(std::string(reinterpret_cast<const char*>(data), std::min(size, MAX_TEXT)));
    for (int frame = 0; frame < FRAMES; ++frame) {
        MyGraphics_record line;
        banner.draw(line);
        // As the application does: the banner moves once it has been shown.
        banner.do_scrolling(true);
        if (line.size() != 32 && line.size() != 33) {
            std::abort();
        }
        banner.update(frame_seconds[frame % frame_kinds]);
    }
    return 0;
}
