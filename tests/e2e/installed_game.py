#!/usr/bin/python3
# Plays the installed game in a real X window under a private Xvfb: the window
# against its desktop entry, the frame, two taps and an arrow key on grabbed pixels,
# a whole 3x3 game to a record that outlives the X server, the command line, and
# two windows on one data folder that each set a record and close.
# tools/screenshots.py takes the README's pictures with it.
# usage: installed_game.py --prefix PREFIX [--build TREE --built BINARY]
import heapq, os, pathlib, re, shutil, signal, struct, subprocess, sys, tempfile, time
from PIL import Image
from Xlib import X, display, protocol

FACE, SHADOW, DARK, WHITE, BLACK, BLUE = (0xef,) * 3, (0x9f,) * 3, (0x76,) * 3, (0xff,) * 3, (0,) * 3, (0, 0, 0xff)
APP, NAME, ANON = 'io.github.brevik.Slydra', 'Ada Lovelace', 'Anonymous'
opts = dict(zip(sys.argv[1::2], sys.argv[2::2]))
work, procs = tempfile.mkdtemp(prefix='slydra-e2e.'), []
dirs = {'XDG_RUNTIME_DIR': work, **{k: f'{work}/{k.lower()}' for k in ('HOME', 'XDG_CONFIG_HOME', 'XDG_DATA_HOME')}}
stats, conf = pathlib.Path(dirs['XDG_DATA_HOME'], 'Brevik/Slydra/Stats.bin'), pathlib.Path(dirs['XDG_CONFIG_HOME'], 'Brevik/Slydra.conf')
plain = {**{k: v for k, v in os.environ.items() if not k.startswith(('QT_', 'DISPLAY', 'WAYLAND', 'DBUS'))}, **dirs,
         'DBUS_SESSION_BUS_ADDRESS': f'unix:path={work}/no-bus'}


def same(what, want, seen):
    assert want == seen, f'{what}: expected {want!r}, saw {seen!r}'


def until(probe, secs=20):  # probe()'s first truthy answer, or its last one after secs
    end = time.time() + secs
    while not (answer := probe()) and time.time() < end:
        time.sleep(0.1)
    return answer


def xdo(*argv):
    return subprocess.run(['xdotool', *map(str, argv)], env=env, timeout=30, capture_output=True, text=True).stdout.split()


def start_xvfb():
    global env, dpy
    r, w = os.pipe()
    procs.insert(0, subprocess.Popen(['Xvfb', '-displayfd', str(w), '-nolisten', 'tcp', '-screen', '0', '1024x768x24'],
                                     pass_fds=[w], stderr=subprocess.DEVNULL))
    os.close(w)
    env = dict(plain, DISPLAY=':' + os.read(r, 16).decode().strip(), QT_QPA_PLATFORM='xcb')
    dpy = display.Display(env['DISPLAY'])
    return procs[0]


def start_game(**settings):
    conf.write_text('[Settings]\n' + ''.join(f'{k}={v}\n' for k, v in settings.items()))
    procs.insert(0, subprocess.Popen([game], env=env))
    return procs[0], window('--all', '--pid', procs[0].pid, '--classname', 'slydra')


def run(*argv, **display_env):
    r = subprocess.run([game, *argv], env=dict(plain, **display_env), timeout=30, capture_output=True, text=True)
    return r.returncode, r.stdout, r.stderr


def window(*search):
    return dpy.create_resource_object('window', int(xdo('search', '--sync', '--onlyvisible', *search)[0]))


def close(win):
    data = (32, [dpy.intern_atom('WM_DELETE_WINDOW'), X.CurrentTime, 0, 0, 0])
    win.send_event(protocol.event.ClientMessage(window=win, client_type=dpy.intern_atom('WM_PROTOCOLS'), data=data))
    dpy.flush()


def settled(win, name, wrong=lambda shot: ''):
    # The window once two grabs in a row agree and wrong() finds nothing amiss; kept for a look.
    size, shots = (win.get_geometry().width, win.get_geometry().height), [None]
    grab = lambda: Image.frombytes('RGB', size, win.get_image(0, 0, *size, X.ZPixmap, 0xffffffff).data, 'raw', 'BGRX')
    until(lambda: shots.append(grab()) or (shots[-1] == shots[-2] and not wrong(shots[-1])))
    shots[-1].save(f'{work}/{name}.png')
    assert not (problem := wrong(shots[-1]) or (shots[-1] != shots[-2] and 'it kept changing')), f'{name}.png: {problem}'
    return shots[-1]


def pixels(want):
    return lambda shot: '; '.join(f'{p} is {shot.getpixel(p)}, not {c}' for p, c in want.items() if shot.getpixel(p) != c)


def cells(shot, n=3):  # inside each cell of the n x n board, 1 px in from its edges where the frame's inner ring shows
    t = 232 // n
    return [shot.crop((5 + t * c, 5 + t * r, 3 + t * c + t, 3 + t * r + t)).tobytes() for r in range(n)
            for c in range(n)]


def tap(win, cell, n=3):
    click(win, 4 + 232 // n * (cell % n) + 116 // n, 4 + 232 // n * (cell // n) + 116 // n)


def click(win, x, y):
    xdo('mousemove', '--window', win.id, x, y, 'click', 1)


def menu(win, title_x, entry, entries):  # a title in the menu bar, then an entry of the menu it opens
    shown = lambda: set(xdo('search', '--onlyvisible', '--classname', 'slydra'))
    before = shown()
    click(win, title_x, 281)
    assert (popup := until(lambda: shown() - before)), f'no menu opened at x {title_x} of the menu bar'
    g = dpy.create_resource_object('window', int(popup.pop())).get_geometry()
    click(dpy.screen().root, g.x + g.width // 2, g.y + g.height * (2 * entry + 1) // (2 * entries))


def stats_file(numbers, moves_names, time_names):
    names = b''.join(b'\xff\xfe\xff' + bytes([len(n)]) + n.encode('utf-16-le') for n in moves_names + time_names)
    return struct.pack('<6i', *numbers) + names


def solve(board, n):  # taps (cells) that bring an n x n board home: a best-first search on the tiles' distances home
    last, goal = n * n - 1, tuple(range(n * n))
    far = lambda s: sum(abs(i // n - t // n) + abs(i % n - t % n) for i, t in enumerate(s) if t != last)
    came, todo = {tuple(board): None}, [(0, 0, tuple(board))]
    while (state := heapq.heappop(todo)[2]) != goal:
        b = state.index(last)
        for c in {b - n, b + n, b - 1 if b % n else b, b + 1 if b % n < n - 1 else b} & set(range(n * n)) - {b}:
            after = tuple(last if i == c else state[c] if i == b else v for i, v in enumerate(state))
            if after not in came:
                came[after] = (state, c)
                heapq.heappush(todo, (far(after), len(came), after))
    taps = []
    while came[state]:
        state, c = came[state]
        taps.insert(0, c)
    return taps


def win_game(win, n, home, before, name=None):  # New, played home, the completion message answered; then the name
    menu(win, 27, 0, 1)                          # typed with the Congratulations page left open, or the page closed
    new = settled(win, f'new-{n}', lambda shot: (set(cells(shot, n)) != set(home) or cells(shot, n) == before)
                  and 'no new deal of the home tiles')
    for cell in (taps := solve([home.index(c) for c in cells(new, n)], n)):
        tap(win, cell, n)
    xdo('windowfocus', '--sync', window('--name', '^Grid Completed$').id, 'key', 'Return')
    # The page is part of the window, over its board: its line under the title runs from edge to edge.
    settled(win, f'congratulations-{n}', pixels({(0, 26): BLACK, (239, 26): BLACK}))
    xdo('windowfocus', '--sync', win.id, *(('type', name) if name else ('key', 'Return')))
    return len(taps)


def play():
    xvfb = start_xvfb()
    game_proc, win = start_game(Dims=3, UseAnim=0)
    g, entry = win.get_geometry(), pathlib.Path(prefix, f'share/applications/{APP}.desktop').read_text()
    same('window size', (240, 294), (g.width, g.height))
    same('WM_CLASS', ('slydra', re.search('^StartupWMClass=(.*)$', entry, re.M)[1]), win.get_wm_class())
    # Tiles end at 234, rings 5 to 1 at 235 to 239; the blank corner shows the face, tiles a border and E's blue bar.
    rings = dict(zip(range(234, 240), (FACE, DARK, FACE, WHITE, SHADOW, DARK)))
    home = settled(win, 'home', pixels({**{(x, 200): c for x, c in rings.items()}, **{(200, y): c for y, c in rings.items()},
                                        (4, 4): BLACK, (120, 100): BLUE, (120, 110): WHITE, (158, 158): FACE}))
    h = cells(home)
    tap(win, 7)  # H slides right, then G: the blank ends at the left edge, whose ring a slide draws as a repaint does
    tap(win, 6)
    ring = pixels({(4, 158): SHADOW, (4, 234): SHADOW, (5, 158): FACE, (80, 234): FACE, (4, 235): DARK, (80, 235): DARK})
    settled(win, 'two-taps', lambda shot: ring(shot) or (cells(shot)[6:] != [h[8], h[6], h[7]] and 'not blank, G, H below'))
    xdo('windowfocus', '--sync', win.id, 'key', 'Left')  # the tile right of the blank, G, slides left into it
    left = settled(win, 'left-key', lambda shot: cells(shot)[6:] != [h[6], h[8], h[7]] and 'not G, blank, H below')
    moves = win_game(win, 3, h, cells(left), NAME)
    # The record is on disk as soon as the game is won, under "Anonymous" until a name is confirmed. The low byte of
    # its seconds (under 256) is whatever the clock counted, and is not compared.
    want = stats_file([moves, 0, 9999, 3599, 9999, 3599], [ANON] * 3, [ANON] * 3).hex(' ')
    on_disk = lambda: (b := stats.read_bytes() if stats.exists() else bytes(8)) and (b[:4] + bytes(1) + b[5:]).hex(' ')
    same('Stats.bin with the name being typed', want, on_disk())
    xvfb.terminate()
    game_proc.wait(timeout=30)
    same('Stats.bin after the X server went away', want, on_disk())
    same('slydra --version without a display', (0, 'slydra 1.1\n', ''), run('--version'))
    same('slydra --help without a display', (0, 'Usage: slydra'), (run('--help')[0], run('--help')[1][:13]))
    start_xvfb()
    same('slydra --bogus: status and lines on stderr', (2, 1), (lambda r: (r[0], r[2].count('\n')))(run('--bogus', DISPLAY=env['DISPLAY'])))
    # Two windows side by side on one data folder: A sets the 3x3 record, then B the 4x4 one; B closes, and A, whose
    # table was read before B's record, ends by two SIGTERMs 1 ms apart.
    stats.unlink()
    (a, win_a), (b, win_b) = start_game(Dims=3, UseAnim=0), start_game(Dims=4, UseAnim=0)
    xdo('windowmove', '--sync', win_a.id, 0, 0)
    xdo('windowmove', '--sync', win_b.id, 320, 0)
    moves = [win_game(w, n, cells(settled(w, f'home-{n}'), n), None) for w, n in ((win_a, 3), (win_b, 4))]
    close(win_b)
    a.send_signal(signal.SIGTERM)
    time.sleep(0.001)
    a.send_signal(signal.SIGTERM)
    same('exit status of B after WM_DELETE_WINDOW, of A after two SIGTERMs', (0, 0), (b.wait(timeout=30), a.wait(timeout=30)))
    same('least moves of 3x3, 4x4 and 5x5, and the names', (moves + [9999], stats_file([0] * 6, [ANON] * 3, [ANON] * 3)[24:]),
         (list(struct.unpack('<6i', stats.read_bytes()[:24])[0::2]), stats.read_bytes()[24:]))
    game_proc, win = start_game(Dims=3, UseAnim=0)
    xdo('windowsize', '--sync', win.id, 480, 562)  # twice the size: 154-px cells from (8, 8), 2-px rings
    at = lambda cell: (8 + 154 * (cell % 3), 8 + 154 * (cell // 3))
    grown = pixels({(479, 100): DARK, (3, 100): WHITE})  # drawn anew at that size: rings 1 and 2 two pixels wide
    big = lambda cell: settled(win, f'big-{cell}', grown).crop((*at(cell), at(cell)[0] + 154, at(cell)[1] + 154))
    h_big = big(7)
    click(win, 239, 393)  # H, left of the blank, slides into it
    settled(win, 'big-tapped', pixels({(239, 393): FACE}))  # the blank where H was
    same('H in the bottom-right cell', h_big.tobytes(), big(8).tobytes())
    close(win)
    same('exit status after WM_DELETE_WINDOW at twice the size', 0, game_proc.wait(timeout=30))
    procs.insert(0, subprocess.Popen([game], env=env))
    g = window('--classname', 'slydra').get_geometry()
    same('window size kept from the last run', (480, 562), (g.width, g.height))


def session(body):  # runs body against the game under test, then stops everything; exits non-zero on a failure
    global prefix, game
    prefix, game = opts['--prefix'], opts['--prefix'] + '/bin/slydra'
    try:
        conf.parent.mkdir(parents=True)
        if '--built' in opts and (not os.path.exists(game) or os.path.getmtime(game) < os.path.getmtime(opts['--built'])):
            prefix, game = work + '/prefix', work + '/prefix/bin/slydra'  # the latest build is not installed: install it here
            subprocess.run(['cmake', '--install', opts['--build'], '--prefix', prefix], check=True, stdout=subprocess.DEVNULL)
        body()
    except (AssertionError, subprocess.TimeoutExpired) as e:
        sys.exit(f'e2e: FAIL: {e}\ne2e: the grabs and files are kept in {work}')
    finally:
        for p in procs:  # the game first; Xvfb removes its lock when terminated
            p.terminate()
            p.wait()
    shutil.rmtree(work)
    print('e2e: PASS')


if __name__ == '__main__':
    session(play)
