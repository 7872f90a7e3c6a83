#!/usr/bin/env python3
"""tools/deb-src-sources.py CODENAME OUTDIR FILE...

Writes OUTDIR/kworble-src.sources and OUTDIR/kworble-src.list: the source
entries matching the machine's binary sources for one release (same URIs,
suites and keys), so no host is named by the scripts. A deb822 stanza is
copied whole, continuation lines (an inline Signed-By key) and Enabled
included, with its Types set to deb-src; a one-line entry becomes a deb-src
line.
"""
import re
import sys
from pathlib import Path


def stanzas(text):
    """Each stanza as its (name, value lines) fields, comments dropped."""
    for block in re.split(r"\n[ \t]*\n", text):
        fields = []
        for line in block.splitlines():
            if line.startswith("#"):
                continue
            if line[:1] in (" ", "\t") and fields:
                fields[-1][1].append(line)
            elif ":" in line:
                fields.append((line.split(":", 1)[0].strip(), [line]))
        if fields:
            yield fields


def value(fields, name):
    return " ".join(lines[0].split(":", 1)[1] for key, lines in fields if key.lower() == name.lower()).split()


def main(codename, outdir, files):
    sources, lines = [], []
    for name in files:
        text = Path(name).read_text()
        if name.endswith(".sources"):
            for fields in stanzas(text):
                if "deb" in value(fields, "Types") and any(s.startswith(codename) for s in value(fields, "Suites")):
                    sources.append("\n".join("Types: deb-src" if key.lower() == "types" else "\n".join(body)
                                             for key, body in fields))
        else:
            for line in text.splitlines():
                words = re.sub(r"\[[^]]*\]", "", line).split()
                if words[:1] == ["deb"] and len(words) > 2 and words[2].startswith(codename):
                    lines.append("deb-src" + line.strip()[3:])
    Path(outdir, "kworble-src.sources").write_text("".join(s + "\n\n" for s in sources))
    Path(outdir, "kworble-src.list").write_text("".join(l + "\n" for l in lines))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3:])
