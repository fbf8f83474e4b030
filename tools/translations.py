#!/usr/bin/python3
"""Keeps the catalogs of translations/ in step with the texts of the sources.

  tools/translations.py [LANG...]     lupdate over the sources into the catalogs (entries whose text
                                      left the sources are dropped), a new catalog for each LANG
                                      ("cs", "pt_PT"), then lists what each language still lacks;
                                      exits 1 while anything is left to translate
  tools/translations.py check STAMP   the same into copies, for the build: exits 1 while a catalog,
                                      the desktop entry or the metadata lags behind; else touches STAMP

English has a catalog of plural forms alone (lupdate -pluralonly). lupdate is Qt's
(qt6-l10n-tools), found through qtpaths6, or named by LUPDATE.
"""
import glob, os, re, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ElementTree

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = ["app", "board", "options", "render", "scores", "ui"]
APP_ID = "io.github.brevik.Slydra"


def lupdate_path():
    if os.environ.get("LUPDATE"):
        return os.environ["LUPDATE"]
    bins = subprocess.run(["qtpaths6", "--query", "QT_HOST_BINS"], capture_output=True, text=True, check=True)
    return os.path.join(bins.stdout.strip(), "lupdate")


def lupdate(catalogs, drop_vanished):
    for catalog in catalogs:
        options = ["-silent", "-locations", "none", "-I", ".", "-target-language", language(catalog)]
        options += ["-no-obsolete"] if drop_vanished else []
        if catalog.endswith("_en.ts"):
            options.append("-pluralonly")
        subprocess.run([lupdate_path()] + options + SOURCES + ["-ts", catalog], cwd=TOP, check=True)


def language(catalog):
    return re.search(r"slydra_(.+)\.ts$", catalog).group(1)


def lagging(catalog):
    """The entries of a catalog that are unfinished, or whose text is no longer in the sources."""
    root = ElementTree.parse(catalog).getroot()
    problems = []
    if root.get("language") != language(catalog):
        problems.append(f'its language is "{root.get("language")}", not "{language(catalog)}"')
    for context in root.iter("context"):
        for message in context.iter("message"):
            state = message.find("translation").get("type")
            if state:
                source = "".join(message.find("source").itertext())
                problems.append(f'{state}: {context.findtext("name")}: "{source}"')
    return problems


def desktop_lagging(languages):
    """The languages the desktop entry or the metadata leaves out."""
    with open(f"{TOP}/desktop/{APP_ID}.desktop", encoding="utf-8") as f:
        entry = f.read()
    metainfo = ElementTree.parse(f"{TOP}/desktop/{APP_ID}.metainfo.xml").getroot()
    lang = "{http://www.w3.org/XML/1998/namespace}lang"
    parts = [e for e in metainfo.find("description").iter() if e.tag in ("p", "li")]
    english = [e.tag for e in parts if e.get(lang) is None]
    problems = []
    for code in languages:
        for key in ("Name", "GenericName", "Comment", "Keywords"):
            if not re.search(rf"^{key}\[{code}\]=.+$", entry, re.M):
                problems.append(f"{code}: the desktop entry has no {key}[{code}]")
        if metainfo.find(f"summary[@{lang}='{code}']") is None:
            problems.append(f"{code}: the metadata has no summary in it")
        translated = [e.tag for e in parts if e.get(lang) == code]
        if translated != english:
            problems.append(f"{code}: the metadata's description has {len(translated)} of {len(english)} parts")
    return problems


def main():
    check = sys.argv[1:2] == ["check"]
    catalogs = sorted(glob.glob(f"{TOP}/translations/slydra_*.ts"))
    catalogs += [] if check else [f"{TOP}/translations/slydra_{code}.ts" for code in sys.argv[1:]]
    work = tempfile.TemporaryDirectory(prefix="slydra-translations.")
    if check:
        catalogs = [shutil.copy(catalog, work.name) for catalog in catalogs]
    lupdate(catalogs, drop_vanished=not check)
    problems = [f"{language(c)}: {p}" for c in catalogs for p in lagging(c)]
    problems += desktop_lagging([language(c) for c in catalogs if not c.endswith("_en.ts")])
    for problem in problems:
        print(f"translations: {problem}", file=sys.stderr)
    if problems:
        print(f"translations: {len(problems)} to do; tools/translations.py brings the catalogs up to date, "
              "then translate what it lists (linguist-qt6, or any text editor)", file=sys.stderr)
        return 1
    if check:
        open(sys.argv[2], "w").close()
    else:
        print(f"translations: all {len(catalogs)} catalogs are complete")
    return 0


if __name__ == "__main__":
    sys.exit(main())
