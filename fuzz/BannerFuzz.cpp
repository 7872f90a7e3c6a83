// Any text as a banner: it neither hangs nor crashes, every drawing fills the
// top line, and the scroll never runs backwards nor over a glyph a frame.
#include "app/ScrollText.h"
#include "display/MyGraphics_record.h"
#include "display/Window.h"
#include "fuzz/FuzzTarget.h"

#include <algorithm>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // 60 Hz frames, longer ones for waits to run out, and the loop's first of no time.
    constexpr double frame_seconds[] = {0.0, 1.0 / 60, 1.0 / 60, 0.1, 1.0 / 60, 0.75};
    glyph_size = 16;
    ScrollText banner(std::string(reinterpret_cast<const char*>(data), std::min<size_t>(size, 2048)));
    for (int frame = 0; frame < 120; ++frame) {
        MyGraphics_record line;
        banner.draw(line);
        banner.do_scrolling(true); // as the application does once it is shown
        const double before = banner.get_scroll_position();
        const size_t cells = static_cast<int>(before) % glyph_size == 0 ? 32 : 33; // one more part way
        banner.update(frame_seconds[frame % std::size(frame_seconds)]);
        const double step = banner.get_scroll_position() - before;
        if (line.size() != cells || step < 0 || !(step <= glyph_size + 1e-9)) {
            std::abort();
        }
    }
    return 0;
}
