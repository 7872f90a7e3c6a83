#!/usr/bin/env python3
# tools/deb-src-sources.py on sources with an inline key, a disabled stanza and one-line entries, read back by
# apt itself: only the enabled entries of the release are fetched, and nothing is malformed.
import subprocess, sys, tempfile
from pathlib import Path

KEY = "Signed-By:\n -----BEGIN PGP PUBLIC KEY BLOCK-----\n .\n mQINBGPL0BUBEADmW5NdOOHwXIJlgKu6\n -----END PGP PUBLIC KEY BLOCK-----\n"
STANZA = "Types: deb\n# a comment\nURIs: http://{}.example.org/debian\nSuites: {}\nComponents: main\n"
with tempfile.TemporaryDirectory() as t:
    Path(t, "in.sources").write_text(STANZA.format("a", "bookworm bookworm-updates") + KEY + "\n" + STANZA.format(
        "off", "bookworm") + "Enabled: no\n\n" + STANZA.format("old", "bullseye"))
    Path(t, "in.list").write_text("# deb http://c.example.org/debian bookworm main\ndeb [arch=amd64] http://b.example.org/debian bookworm main\n")
    subprocess.run([sys.argv[1], "bookworm", t, Path(t, "in.sources"), Path(t, "in.list")], check=True)
    assert KEY in Path(t, "kworble-src.sources").read_text()
    apt = subprocess.run(["apt-get", "--print-uris", "update"] + [f"-o{o}" for o in (
        "Dir::Etc::SourceList=/dev/null", f"Dir::Etc::SourceParts={t}", f"Dir::State::Lists={t}", f"Dir::Cache={t}")],
        capture_output=True, text=True)
    assert apt.returncode == 0 and not apt.stderr, apt.stderr
    fetched = sorted(line.split("'")[1] for line in apt.stdout.splitlines() if "Sources" in line)
    assert fetched == sorted(f"http://{h}.example.org/debian/dists/{s}/main/source/Sources.xz"
                             for h, s in [("a", "bookworm"), ("a", "bookworm-updates"), ("b", "bookworm")]), fetched
print("deb-src sources: ok")
