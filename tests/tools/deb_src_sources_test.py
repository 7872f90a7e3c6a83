#!/usr/bin/env python3
# tools/deb-src-sources.py on sources with an inline key, a disabled stanza and
# one-line entries, read back by apt itself: only the enabled entries of the
# release are fetched, and nothing is malformed.
import subprocess, sys, tempfile
from pathlib import Path

KEY = "Signed-By:\n -----BEGIN PGP PUBLIC KEY BLOCK-----\n .\n mQINBGPL0BUBEADmW5NdOOHwXIJlgKu6\n -----END PGP PUBLIC KEY BLOCK-----\n"
SOURCES = ("Types: deb\n# a comment\nURIs: http://a.example.org/debian\nSuites: bookworm bookworm-updates\nComponents: main\n"
           + KEY + "\nTypes: deb\nURIs: http://off.example.org/debian\nSuites: bookworm\nComponents: main\nEnabled: no\n"
           + "\nTypes: deb\nURIs: http://old.example.org/debian\nSuites: bullseye\nComponents: main\n")
LIST = "# deb http://gone.example.org/debian bookworm main\ndeb [arch=amd64] http://b.example.org/debian bookworm main\n"

with tempfile.TemporaryDirectory() as tmp:
    t = Path(tmp)
    (t / "in.sources").write_text(SOURCES), (t / "in.list").write_text(LIST), (t / "out").mkdir()
    subprocess.run([sys.argv[1], "bookworm", t / "out", t / "in.sources", t / "in.list"], check=True)
    assert KEY in (t / "out/kworble-src.sources").read_text()
    apt = subprocess.run(["apt-get", "--print-uris", "update", "-o", "Dir::Etc::SourceList=/dev/null", "-o", f"Dir::Etc::SourceParts={t}/out",
                          "-o", f"Dir::State::Lists={t}", "-o", f"Dir::Cache={t}"], capture_output=True, text=True)
    fetched = sorted(line.split("'")[1] for line in apt.stdout.splitlines() if "Sources" in line)
    assert apt.returncode == 0 and not apt.stderr, apt.stderr
    assert fetched == sorted(f"http://{h}.example.org/debian/dists/{s}/main/source/Sources.xz" for h, s in
                             [("a", "bookworm"), ("a", "bookworm-updates"), ("b", "bookworm")]), fetched
print("deb-src sources: ok")
