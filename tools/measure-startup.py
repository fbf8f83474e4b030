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
#   photo        Slydra with a 24-megapixel JPEG as the tile picture, fitted to the board
#   progressive  the same photo as a progressive JPEG
#   png          the same photo enlarged to an 8000 x 6000 PNG
#   portrait     the same photo reduced to 4000 x 3000, tagged to stand upright (orientation 6)
#   NAME         each file of the hostile corpus (tools/hostile-pictures.py), at its first use
#
# Each of the game's kinds but the corpus also runs in a 1920 x 1080 window, as
# maximised on a 1920 x 1080 screen ("KIND max"). Each picture runs twice: "KIND
# first" with an empty cache folder and fresh settings, as at the picture's first
# use, and "KIND" with the tile picture the runs before kept there.
#
# A run is timed from the program's start to the first complete frame of its window,
# the moment the X server's DAMAGE reports have covered all of it. At a picture's
# first use the board shows the letters until the picture is ready: the run is also
# timed to the moment the board's first tile changes, or a message about the picture
# opens ("ready"). The program ends 200 ms after that, and its peak resident memory
# comes from wait4. A later start must show the picture in its first frame. Prints
# the medians (and the spread) of each kind, and the ratios and differences.
#
#   tools/measure-startup.py [RUNS]           RUNS of each, 11 by default
#   ONLY=REGEX tools/measure-startup.py ...   only the kinds REGEX finds (the baselines and letters always run)
#   AGAINST=DIR tools/measure-startup.py ...  adds the game built in DIR (another
#                                             branch's build, say) to the runs
#   tools/measure-startup.py -- COMMAND ...   one run of the game or the baseline, e.g. under valgrind
#
# Builds the game and the baseline into $BUILD (build/release by default).
import os, re, shutil, signal, statistics, subprocess, sys, tempfile, time
from Xlib import X, display
from Xlib.ext import damage

PICTURES = ("photo", "progressive", "png", "portrait")
LANGUAGES = {"german": "de_DE.UTF-8", "hebrew": "he_IL.UTF-8", "japanese": "ja_JP.UTF-8"}
HOSTILE = ("mng-9000.mng", "mng-15000.mng", "interlaced-10000.png", "bomb-10000.png", "progressive-10000.jpg",
           "progressive-444-24mp.jpg", "screen-65535.gif", "padded-200mb.webp", "ascii-5000.pbm")
SIZED = ("game",) + PICTURES + tuple(f"{kind} first" for kind in PICTURES)
KINDS = tuple(k for k in ("baseline", "text") + SIZED + tuple(LANGUAGES) + tuple(f"{k} max" for k in SIZED) + HOSTILE
              + (("against",) if os.environ.get("AGAINST") else ())
              if k in ("baseline", "text", "game", "game max") or re.search(os.environ.get("ONLY", ""), k))
MAX = (1920, 1080)
top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
work = tempfile.TemporaryDirectory(prefix="slydra-measure.")


def fail(why):
    raise SystemExit(f"measure-startup: {why}")


def first_tile(x, window, size):
    """A pixel of the board's first tile, inside its outline, as it stands."""
    at = (10, 10) if size[0] < 480 else (510, 20)  # 4 from the client's corner; 16 from the maximised board's
    return x.create_resource_object("window", window).get_image(*at, 1, 1, X.ZPixmap, 0xffffffff).data


def first_frame(command, env, first_use=False, size=(240, 294), wait=None):
    """Milliseconds from exec to the first complete frame and to a picture's first use done, and peak resident KiB."""
    wait = first_use if wait is None else wait
    if first_use:
        shutil.rmtree(env["XDG_CACHE_HOME"])
        os.makedirs(env["XDG_CACHE_HOME"], mode=0o700)
        with open(f"{env['XDG_CONFIG_HOME']}/Brevik/Slydra.conf", "w") as f:
            f.write(env["SLYDRA_SETTINGS"])
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
            shown, shown_id = windows[e.window.id], e.window.id
            wx, wy, w, h = shown
            covered = bytearray(w * h)
        elif e.type == x.extension_event.DamageNotify and shown:
            a = e.area
            x0, x1 = max(a.x - wx, 0), min(a.x + a.width - wx, w)
            for row in range(max(a.y - wy, 0), min(a.y + a.height - wy, h)):
                covered[row * w + x0:row * w + x1] = b"\1" * max(x1 - x0, 0)
            if 0 not in covered:
                frame_at = time.monotonic()
    ready_at, board = None, first_tile(x, shown_id, size) if "SLYDRA_SETTINGS" in env else b""
    while wait and ready_at is None and time.monotonic() < frame_at + 10:
        while x.pending_events():
            e = x.next_event()
            if e.type == X.MapNotify and not e.override and e.window.id != shown_id:
                ready_at = time.monotonic()  # a message: the picture cannot be shown
        if ready_at is None and first_tile(x, shown_id, size) != board:
            ready_at = time.monotonic()
        time.sleep(0.005)
    time.sleep(0.2)
    later = not wait and "Location" in env.get("SLYDRA_SETTINGS", "")
    if later and first_tile(x, shown_id, size) in (b"\xff\xff\xff\0", b"\xff\xff\xff\xff"):
        fail(f"a later start showed the letters ({env['SLYDRA_SETTINGS']!r})")
    os.kill(pid, signal.SIGTERM)
    usage = os.wait4(pid, 0)[2]
    signal.alarm(0)
    x.close()
    if shown[2:] != size:
        fail(f"{command[0]} showed a {shown[2]} x {shown[3]} window, not {size[0]} x {size[1]}")
    ready = (ready_at - started) * 1e3 if ready_at else None
    return (frame_at - started) * 1e3, usage.ru_maxrss, ready


def environment(display_name, kind, picture=None):
    """A fresh account's settings and data folders for one kind of run."""
    env = {k: v for k, v in os.environ.items() if not k.startswith(("LANG", "LC_"))}
    env.update(DISPLAY=display_name, QT_QPA_PLATFORM="xcb", LANG=LANGUAGES.get(kind, "C.UTF-8"))
    for var in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME"):
        env[var] = f"{work.name}/{kind}/{var}"
        os.makedirs(env[var], mode=0o700)
    settings = f"[Settings]\nUsePic=1\nLocation={picture}\n" if picture else ""
    settings += "[Window]\nWidth=%d\nHeight=%d\n" % MAX if kind.endswith(" max") else ""
    if settings:
        env["SLYDRA_SETTINGS"] = settings
        os.makedirs(f"{env['XDG_CONFIG_HOME']}/Brevik")
        with open(f"{env['XDG_CONFIG_HOME']}/Brevik/Slydra.conf", "w") as f:
            f.write(settings)
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
    subprocess.run(["/usr/bin/python3", f"{top}/tools/hostile-pictures.py", f"{work.name}/hostile"], check=True)
    files.update({name: f"{work.name}/hostile/{name}" for name in HOSTILE})
    game, baseline = [f"{build}/slydra"], [f"{build}/bench/baseline_dialog"]
    commands = {kind: game for kind in KINDS}
    commands.update(baseline=baseline, text=baseline + ["--text"])
    envs = {kind: environment(display_name, kind, files.get(kind.split()[0])) for kind in KINDS}
    commands.update(against=[f"{os.environ.get('AGAINST')}/slydra"])
    first = {kind: " first" in kind or kind in HOSTILE for kind in KINDS}
    size = {kind: MAX if kind.endswith(" max") else (240, 294) for kind in KINDS}
    results = {kind: [] for kind in KINDS}
    print(f"measure-startup: one warm-up run of each, then {runs} of each, interleaved", flush=True)
    for kind in KINDS:  # each waits for its picture, so a later start finds it in its cache folder
        picture = "Location" in envs[kind].get("SLYDRA_SETTINGS", "")
        first_frame(commands[kind], envs[kind], first[kind], size[kind], picture)
    for i in range(runs):
        for kind in KINDS[i % len(KINDS):] + KINDS[:i % len(KINDS)]:  # no kind always follows the same one
            results[kind].append(first_frame(commands[kind], envs[kind], first[kind], size[kind]))
    ms = {kind: statistics.median(r[0] for r in results[kind]) for kind in KINDS}
    mib = {kind: statistics.median(r[1] for r in results[kind]) / 1024 for kind in KINDS}
    ready = {kind: [r[2] for r in results[kind] if r[2] is not None] for kind in KINDS}
    print(f"\nmedians of {runs} runs each: exec to first complete frame (spread), peak resident memory, "
          "exec to the picture shown or refused")
    for kind in KINDS:
        times = sorted(r[0] for r in results[kind])
        shown = f"  ready {statistics.median(ready[kind]):7.1f} ms ({len(ready[kind])} runs)" if ready[kind] else ""
        print(f"  {kind:<24} {ms[kind]:7.1f} ms ({times[0]:.1f}..{times[-1]:.1f})  {mib[kind]:6.1f} MiB{shown}")
    for a, b in (("game", "baseline"), ("text", "baseline"), ("game", "text"), ("game", "against")):
        if b not in ms:
            continue
        print(f"  {a} / {b}: {ms[a] / ms[b]:.2f} x, {mib[a] - mib[b]:+.2f} MiB")
    for a in KINDS[3:]:
        letters = "game max" if a.endswith(" max") and a != "game max" else "game"
        print(f"  {a} - {letters}: {ms[a] - ms[letters]:+.1f} ms, {mib[a] - mib[letters]:+.2f} MiB")


def main():
    xvfb_reads, xvfb_writes = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(xvfb_writes), "-screen", "0", "1920x1080x24", "-nolisten",
                             "tcp", "-noreset"], pass_fds=[xvfb_writes], stderr=subprocess.DEVNULL)
    os.close(xvfb_writes)
    signal.signal(signal.SIGALRM, lambda *_: fail("no complete frame, or no end, within 120 s"))
    try:
        display_name = ":" + os.read(xvfb_reads, 16).decode().strip()
        if display_name == ":":
            fail("Xvfb did not start")
        if sys.argv[1:2] == ["--"]:
            frame_ms, rss_kib, _ = first_frame(sys.argv[2:], environment(display_name, "program"))
            print(f"first complete frame after {frame_ms:.1f} ms, peak resident memory {rss_kib / 1024:.1f} MiB")
        else:
            measure(display_name, int(sys.argv[1]) if len(sys.argv) > 1 else 11)
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
