#!/usr/bin/python3
# Slydra's start-up against a bare Qt Widgets dialog of the same size
# (bench/baseline_dialog.cpp), in a private Xvfb, runs interleaved:
#
#   baseline     the empty 240 x 294 dialog
#   text         the same dialog showing the text of the game's first frame (its
#                menu bar and labels) in plain Qt widgets: the cost of Qt's font
#                system, which any window with text pays
#   game         Slydra with the built-in letter sheet (first start settings), in English
#   german       the same under LANG=de_DE.UTF-8: the game's catalog and Qt's loaded
#   hebrew       the same in Hebrew, laid out right to left
#   japanese     the same in Japanese, its texts drawn from a fallback font
#   photo        Slydra with a 24-megapixel JPEG as the tile picture
#   progressive  the same photo as a progressive JPEG
#   png          the same photo enlarged to an 8000 x 6000 PNG
#   portrait     the same photo reduced to 4000 x 3000, tagged to stand upright (orientation 6)
#
# Each picture runs twice: "KIND first" with an empty cache folder, as at the
# picture's first use, and "KIND" with the tile picture the runs before kept there.
#
# A run is timed from the program's start to the first complete frame of its window,
# the moment the X server's DAMAGE reports have covered all of it; the program
# ends 200 ms later, and its peak resident memory comes from wait4. Prints the
# medians (and the spread) of each kind, and the ratios and differences.
#
#   tools/measure-startup.py [RUNS]           RUNS of each, 11 by default
#   AGAINST=DIR tools/measure-startup.py ...  adds the game built in DIR (another
#                                             branch's build, say) to the runs
#   tools/measure-startup.py -- COMMAND ...   one run of the game or the baseline, e.g. under valgrind
#
# Builds the game and the baseline into $BUILD (build/release by default).
import os, shutil, signal, statistics, subprocess, sys, tempfile, time
from Xlib import X, display
from Xlib.ext import damage

PICTURES = ("photo", "progressive", "png", "portrait")
LANGUAGES = {"german": "de_DE.UTF-8", "hebrew": "he_IL.UTF-8", "japanese": "ja_JP.UTF-8"}
KINDS = ("baseline", "text", "game") + tuple(LANGUAGES) + PICTURES + tuple(f"{kind} first" for kind in PICTURES) \
    + (("against",) if os.environ.get("AGAINST") else ())
top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
work = tempfile.TemporaryDirectory(prefix="slydra-measure.")


def fail(why):
    raise SystemExit(f"measure-startup: {why}")


def first_frame(command, env, first_use=False):
    """Milliseconds from exec to the first complete frame, and peak resident KiB."""
    if first_use:
        shutil.rmtree(env["XDG_CACHE_HOME"])
        os.makedirs(env["XDG_CACHE_HOME"], mode=0o700)
    x = display.Display(env["DISPLAY"])
    x.damage_query_version()  # the server takes no DAMAGE request before it
    x.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    x.screen().root.damage_create(damage.DamageReportRawRectangles)
    x.sync()
    signal.alarm(120)
    started = time.monotonic()
    pid = os.posix_spawnp(command[0], command, env)  # a vfork: no copy of this process to tear down at exec
    windows, shown, frame_at = {}, None, None
    while frame_at is None:
        e = x.next_event()
        if e.type in (X.CreateNotify, X.ConfigureNotify):
            windows[e.window.id] = (e.x, e.y, e.width, e.height)
        elif e.type == X.MapNotify and not shown and not e.override and e.window.id in windows:
            shown = windows[e.window.id]
            wx, wy, w, h = shown
            covered = bytearray(w * h)
        elif e.type == x.extension_event.DamageNotify and shown:
            a = e.area
            x0, x1 = max(a.x - wx, 0), min(a.x + a.width - wx, w)
            for row in range(max(a.y - wy, 0), min(a.y + a.height - wy, h)):
                covered[row * w + x0:row * w + x1] = b"\1" * max(x1 - x0, 0)
            if 0 not in covered:
                frame_at = time.monotonic()
    time.sleep(0.2)
    os.kill(pid, signal.SIGTERM)
    usage = os.wait4(pid, 0)[2]
    signal.alarm(0)
    x.close()
    if shown[2:] != (240, 294):
        fail(f"{command[0]} showed a {shown[2]} x {shown[3]} window, not 240 x 294")
    return (frame_at - started) * 1e3, usage.ru_maxrss


def environment(display_name, kind, picture=None):
    """A fresh account's settings and data folders for one kind of run."""
    env = {k: v for k, v in os.environ.items() if not k.startswith(("LANG", "LC_"))}
    env.update(DISPLAY=display_name, QT_QPA_PLATFORM="xcb", LANG=LANGUAGES.get(kind, "C.UTF-8"))
    for var in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"):
        env[var] = f"{work.name}/{kind}/{var}"
        os.makedirs(env[var], mode=0o700)
    if picture:
        os.makedirs(f"{env['XDG_CONFIG_HOME']}/Brevik")
        with open(f"{env['XDG_CONFIG_HOME']}/Brevik/Slydra.conf", "w") as f:
            f.write(f"[Settings]\nUsePic=1\nLocation={picture}\n")
    return env


def measure(display_name, runs):
    build = os.path.join(top, os.environ.get("BUILD", "build/release"))
    print(f"measure-startup: building the game and the baseline in {build}", flush=True)
    subprocess.run(["cmake", "-S", top, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                    "-DSLYDRA_TESTS=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build, "--parallel", "2", "--target", "slydra", "baseline_dialog"],
                   check=True, stdout=subprocess.DEVNULL)
    print("measure-startup: drawing the photos", flush=True)
    files = {kind: f"{work.name}/{kind}.{ext}" for kind, ext in
             (("photo", "jpg"), ("progressive", "jpg"), ("png", "png"), ("portrait", "jpg"))}
    subprocess.run(["convert", "-size", "6000x4000", "-seed", "1", "plasma:fractal", "-attenuate", "0.4", "+noise",
                    "Gaussian", "-sampling-factor", "2x2", "-quality", "90", "-write", files["photo"], "-interlace",
                    "JPEG", files["progressive"]], check=True)
    subprocess.run(["convert", files["photo"], "-resize", "8000x6000!", "-depth", "8", files["png"]], check=True)
    subprocess.run(["convert", files["photo"], "-resize", "4000x3000!", "-orient", "right-top", files["portrait"]],
                   check=True)
    game, baseline = [f"{build}/slydra"], [f"{build}/bench/baseline_dialog"]
    commands = {kind: game for kind in KINDS}
    commands.update(baseline=baseline, text=baseline + ["--text"])
    envs = {kind: environment(display_name, kind, files.get(kind.split()[0])) for kind in KINDS}
    commands.update(against=[f"{os.environ.get('AGAINST')}/slydra"])
    results = {kind: [] for kind in KINDS}
    print(f"measure-startup: one warm-up run of each, then {runs} of each, interleaved", flush=True)
    for kind in KINDS:
        first_frame(commands[kind], envs[kind], kind.endswith(" first"))
    for i in range(runs):
        for kind in KINDS[i % len(KINDS):] + KINDS[:i % len(KINDS)]:  # no kind always follows the same one
            results[kind].append(first_frame(commands[kind], envs[kind], kind.endswith(" first")))
    ms = {kind: statistics.median(r[0] for r in results[kind]) for kind in KINDS}
    mib = {kind: statistics.median(r[1] for r in results[kind]) / 1024 for kind in KINDS}
    print(f"\nmedians of {runs} runs each: exec to first complete frame (spread), peak resident memory")
    for kind in KINDS:
        times = sorted(r[0] for r in results[kind])
        print(f"  {kind:<17} {ms[kind]:7.1f} ms ({times[0]:.1f}..{times[-1]:.1f})  {mib[kind]:6.1f} MiB")
    for a, b in (("game", "baseline"), ("text", "baseline"), ("game", "text"), ("game", "against")):
        if b not in ms:
            continue
        print(f"  {a} / {b}: {ms[a] / ms[b]:.2f} x, {mib[a] - mib[b]:+.2f} MiB")
    for a in tuple(LANGUAGES) + PICTURES + tuple(f"{kind} first" for kind in PICTURES):
        print(f"  {a} - game: {ms[a] - ms['game']:+.1f} ms, {mib[a] - mib['game']:+.2f} MiB")


def main():
    xvfb_reads, xvfb_writes = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(xvfb_writes), "-screen", "0", "1024x768x24", "-nolisten",
                             "tcp", "-noreset"], pass_fds=[xvfb_writes], stderr=subprocess.DEVNULL)
    os.close(xvfb_writes)
    signal.signal(signal.SIGALRM, lambda *_: fail("no complete frame, or no end, within 120 s"))
    try:
        display_name = ":" + os.read(xvfb_reads, 16).decode().strip()
        if display_name == ":":
            fail("Xvfb did not start")
        if sys.argv[1:2] == ["--"]:
            frame_ms, rss_kib = first_frame(sys.argv[2:], environment(display_name, "program"))
            print(f"first complete frame after {frame_ms:.1f} ms, peak resident memory {rss_kib / 1024:.1f} MiB")
        else:
            measure(display_name, int(sys.argv[1]) if len(sys.argv) > 1 else 11)
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
