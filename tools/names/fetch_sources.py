#!/usr/bin/env python3
"""Fetches the color-name data that generate.py reads into tools/names/data/.

Run as `python3 tools/names/fetch_sources.py` (needs npm and the npm
registry). The versions are pinned so that a new fetch reproduces the
committed files; generate.py itself works offline from them.

Only lists under a permissive license (MIT or CC0) are kept from
color-name-lists, together with that package's own license statement.
"""
import json
import shutil
import subprocess
import tarfile
import tempfile
from pathlib import Path

DATA = Path(__file__).resolve().parent / "data"
COLOR_NAME_LIST = "color-name-list@14.29.0"
COLOR_NAME_LISTS = "color-name-lists@3.33.2"
# The lists generate.py consults, besides the CSS keywords in "html".
KEPT_LISTS = ("html", "ntc", "xkcd", "ridgway", "risograph")
PERMISSIVE = ("MIT", "CC0 1.0 Public Domain Dedication")


def unpack(spec, workdir):
    """Runs `npm pack SPEC` in WORKDIR and returns the unpacked package folder."""
    out = subprocess.run(["npm", "pack", spec, "--silent"], cwd=workdir, check=True,
                         capture_output=True, text=True).stdout.split()[-1]
    target = workdir / spec.split("@")[0]
    with tarfile.open(workdir / out) as archive:
        archive.extractall(target, filter="data")
    return target / "package"


def keep_color_name_list(package):
    target = DATA / "color-name-list"
    target.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(package / "src" / "colornames.csv", target / "colornames.csv")
    shutil.copyfile(package / "LICENSE", target / "LICENSE")


def keep_color_name_lists(package):
    target = DATA / "color-name-lists"
    target.mkdir(parents=True, exist_ok=True)
    source = json.loads((package / "dist" / "colorlists.json").read_text(encoding="utf-8"))
    lists, meta = {}, {}
    for key in KEPT_LISTS:
        if source["meta"][key]["license"] not in PERMISSIVE:
            raise SystemExit(f"list {key} is not permissively licensed")
        lists[key] = [{"name": e["name"], "hex": e["hex"]} for e in source["lists"][key]]
        meta[key] = source["meta"][key]
    text = json.dumps({"lists": lists, "meta": meta}, ensure_ascii=False, indent=1)
    (target / "colorlists.json").write_text(text + "\n", encoding="utf-8")
    manifest = json.loads((package / "package.json").read_text(encoding="utf-8"))
    (target / "LICENSE").write_text(
        f"{manifest['name']} {manifest['version']} is published under the {manifest['license']}\n"
        "license (so says its package.json; the package ships no license text).\n"
        "Each list kept in colorlists.json carries its own license in the \"meta\"\n"
        "entry beside it; only MIT and CC0 lists are kept.\n",
        encoding="utf-8")


def main():
    with tempfile.TemporaryDirectory() as tmp:
        workdir = Path(tmp)
        keep_color_name_list(unpack(COLOR_NAME_LIST, workdir))
        keep_color_name_lists(unpack(COLOR_NAME_LISTS, workdir))


if __name__ == "__main__":
    main()
