#include "screens/ExportFile.h"

#include <emscripten.h>

bool export_file(const char* name, const std::string& text)
{
    // A page cannot write the player's files: the browser offers the text as
    // a download, and whether the player takes it changes nothing here.
    // clang-format off
    EM_ASM({
        try {
            const link = document.createElement('a');
            link.href = URL.createObjectURL(new Blob([HEAPU8.slice($0, $0 + $1)], {type: 'text/plain'}));
            link.download = UTF8ToString($2);
            document.body.appendChild(link);
            link.click();
            link.remove();
            setTimeout(function() { URL.revokeObjectURL(link.href); }, 10000);
        } catch (e) {
            console.warn(UTF8ToString($2) + ' was not offered: ' + e);
        }
    }, text.data(), text.size(), name);
    // clang-format on
    return true;
}
