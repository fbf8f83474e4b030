#!/usr/bin/python3
# Plays the installed game in a real X window under a private Xvfb: the window
# against its desktop entry and icons, the frame and two taps on grabbed pixels,
# a whole 3x3 game to a record that outlives the X server, the command line and
# a clean close. With --shots DIR it also takes the README's pictures into DIR.
# usage: installed_game.py --prefix PREFIX [--shots DIR] [--build TREE --built BINARY]
import os, pathlib, re, shutil, struct, subprocess, sys, tempfile, time
from PIL import Image, ImageDraw
from Xlib import X, display, protocol

FACE, SHADOW, DARK, WHITE, BLACK, BLUE = (0xef,) * 3, (0x9f,) * 3, (0x76,) * 3, (0xff,) * 3, (0,) * 3, (0, 0, 0xff)
APP, NAME, ANON, ICONS = 'io.github.brevik.Slydra', 'Ada Lovelace', 'Anonymous', [16, 32, 48, 64, 128, 256]
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
    procs.insert(0, subprocess.Popen(['Xvfb', '-displayfd', str(w), '-nolisten', 'tcp', '-screen', '0', '640x480x24'],
                                     pass_fds=[w], stderr=subprocess.DEVNULL))
    os.close(w)
    env = dict(plain, DISPLAY=':' + os.read(r, 16).decode().strip(), QT_QPA_PLATFORM='xcb')
    dpy = display.Display(env['DISPLAY'])
    return procs[0]


def start_game(**settings):
    conf.write_text('[Settings]\n' + ''.join(f'{k}={v}\n' for k, v in settings.items()))
    procs.insert(0, subprocess.Popen([game], env=env))
    return procs[0], window('--classname', 'slydra')


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


def cells(shot):  # inside each 77-px cell of the 3x3 board, 1 px in from its edges where the frame's inner ring may show
    return [shot.crop((5 + 77 * c, 5 + 77 * r, 80 + 77 * c, 80 + 77 * r)).tobytes() for r in range(3) for c in range(3)]


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


def solve(board):  # the fewest taps (cells) that bring a 3x3 board home, by a breadth-first search
    taps, todo = {tuple(board): ''}, [tuple(board)]
    for state in todo:
        b = state.index(8)
        for c in {b - 3, b + 3, b - 1 if b % 3 else b, b + 1 if b % 3 < 2 else b} & set(range(9)) - {b}:
            after = tuple(8 if i == c else state[c] if i == b else v for i, v in enumerate(state))
            if after not in taps:
                taps[after] = taps[state] + str(c)
                todo.append(after)
    return [int(c) for c in taps[tuple(range(9))]]


def play():
    xvfb = start_xvfb()
    game_proc, win = start_game(Dims=3, UseAnim=0)
    g, entry = win.get_geometry(), pathlib.Path(prefix, f'share/applications/{APP}.desktop').read_text()
    same('window size', (240, 294), (g.width, g.height))
    same('WM_CLASS', ('slydra', re.search('^StartupWMClass=(.*)$', entry, re.M)[1]), win.get_wm_class())
    icon, sizes = list(win.get_full_property(dpy.intern_atom('_NET_WM_ICON'), X.AnyPropertyType).value), []
    while icon:
        sizes, icon = sizes + [icon[0]], icon[2 + icon[0] * icon[1]:]
    same('_NET_WM_ICON sizes', ICONS[:-1], sizes)
    pngs = [Image.open(f'{prefix}/share/icons/hicolor/{s}x{s}/apps/{APP}.png') for s in ICONS]
    same('installed icons', [('PNG', (s, s)) for s in ICONS], [(png.format, png.size) for png in pngs])
    # Tiles end at 234, rings 5 to 1 at 235 to 239; the blank corner shows the face, tiles a border and E's blue bar.
    rings = dict(zip(range(234, 240), (FACE, DARK, FACE, WHITE, SHADOW, DARK)))
    home = settled(win, 'home', pixels({**{(x, 200): c for x, c in rings.items()}, **{(200, y): c for y, c in rings.items()},
                                        (4, 4): BLACK, (120, 100): BLUE, (120, 110): WHITE, (158, 158): FACE}))
    h, tap = cells(home), lambda cell: click(win, 42 + 77 * (cell % 3), 42 + 77 * (cell // 3))
    tap(7)  # H slides right, then G: the blank ends at the left edge, whose ring a slide must draw as a full repaint does
    tap(6)
    ring = pixels({(4, 158): SHADOW, (4, 234): SHADOW, (5, 158): FACE, (80, 234): FACE, (4, 235): DARK, (80, 235): DARK})
    moved = settled(win, 'two-taps', lambda shot: ring(shot) or (cells(shot)[6:] != [h[8], h[6], h[7]] and 'not blank, G, H below'))
    menu(win, 27, 0, 1)
    new = settled(win, 'new', lambda shot: (set(cells(shot)) != set(h) or cells(shot) == cells(moved)) and 'no new deal of the home tiles')
    for cell in (taps := solve([h.index(c) for c in cells(new)])):
        tap(cell)
    xdo('windowfocus', '--sync', window('--name', '^Grid Completed$').id, 'key', 'Return')
    xdo('windowfocus', '--sync', window('--name', '^Congratulations$').id, 'type', NAME)
    xdo('key', 'Return')
    # The record's seconds are whatever the clock counted, under 256: their low byte is not compared.
    want = stats_file([len(taps), 0, 9999, 3599, 9999, 3599], [NAME, ANON, ANON], [NAME, ANON, ANON]).hex(' ')
    on_disk = lambda: (b := stats.read_bytes() if stats.exists() else bytes(8)) and (b[:4] + bytes(1) + b[5:]).hex(' ')
    until(lambda: on_disk() == want, 10)
    same(f'Stats.bin right after the record of {len(taps)} moves', want, on_disk())
    xvfb.terminate()
    game_proc.wait(timeout=30)
    same('Stats.bin after the X server went away', want, on_disk())
    same('slydra --version without a display', (0, 'slydra 1.1\n', ''), run('--version'))
    same('slydra --help without a display', (0, 'Usage: slydra'), (run('--help')[0], run('--help')[1][:13]))
    start_xvfb()
    code, out, err = run('--bogus', DISPLAY=env['DISPLAY'])
    same(f'slydra --bogus, which printed {err!r}', (2, 1), (code, err.count('\n')))
    game_proc, win = start_game(Dims=3, UseAnim=0)
    close(win)
    same('exit status after WM_DELETE_WINDOW', 0, game_proc.wait(timeout=30))
    same('Stats.bin after a clean close', want, on_disk())


def harbour(path):  # a boat at sunset from shapes alone, the same in every run
    d = ImageDraw.Draw(im := Image.new('RGB', (232, 232)))
    for y in range(140):  # the sky fades into the sun's glow at the horizon, and the sea mirrors it
        sky = (29 + 218 * y // 140, 59 + 133 * y // 140, 110)
        d.line([(0, y), (231, y)], sky)
        d.line([(0, 231 - y * 92 // 140), (231, 231 - y * 92 // 140)], tuple(v * 4 // 5 for v in sky))
    d.ellipse((131, 99, 169, 137), (255, 241, 191))  # the sun, two hills, the hull, the mast, two sails
    for colour, *xy in (((107, 79, 122), 0, 140, 30, 100, 88, 122, 128, 140), ((62, 47, 91), 160, 140, 200, 112, 232, 110, 232, 140),
                        ((42, 30, 46), 44, 170, 92, 170, 84, 179, 52, 179), ((42, 30, 46), 67, 118, 68, 118, 68, 170, 67, 170),
                        ((251, 243, 228), 70, 120, 88, 166, 70, 166), ((240, 217, 192), 66, 126, 66, 166, 48, 166)):
        d.polygon(xy, colour)
    im.save(path, quality=92)


def shots(out):
    stats.write_bytes(stats_file([24, 31, 87, 139, 231, 655], ['Ingrid', 'Tomás', 'Maja'], ['Ola', 'Ingrid', 'Maja']))
    game_proc, win = start_game(Dims=4, UseAnim=1, UsePic=0)
    settled(win, 'board-4x4', pixels({(4, 4): BLACK, (200, 200): FACE, (235, 200): DARK})).save(f'{out}/board-4x4.png')
    menu(win, 75, 1, 3)
    titled = lambda shot: BLUE not in shot.getdata() and 'no title'
    settled(window('--name', '^Best Scores$'), 'best-scores', titled).save(f'{out}/best-scores.png')
    game_proc.terminate()
    game_proc.wait(timeout=30)
    # The field shows the end of the path: a long folder name hides the work folder's random one.
    picture = pathlib.Path(dirs['HOME'], 'Pictures/Summer by the sea/harbour.jpg')
    picture.parent.mkdir(parents=True)
    harbour(picture)
    game_proc, win = start_game(Dims=5, UseAnim=1, UsePic=1, Location=picture)
    menu(win, 75, 2, 3)
    page = window('--name', '^Options$')
    settled(page, 'options', titled).save(f'{out}/options.png')
    close(page)
    until(lambda: not xdo('search', '--onlyvisible', '--name', '^Options$'))
    menu(win, 27, 0, 1)
    dealt = lambda shot: shot.getpixel((200, 200)) == FACE and 'no new deal'  # a deal never leaves the blank in the corner
    settled(win, 'board-5x5-picture', dealt).save(f'{out}/board-5x5-picture.png')


prefix, game = opts['--prefix'], opts['--prefix'] + '/bin/slydra'
try:
    conf.parent.mkdir(parents=True)
    if '--built' in opts and (not os.path.exists(game) or os.path.getmtime(game) < os.path.getmtime(opts['--built'])):
        prefix, game = work + '/prefix', work + '/prefix/bin/slydra'  # the latest build is not installed: install it here
        subprocess.run(['cmake', '--install', opts['--build'], '--prefix', prefix], check=True, stdout=subprocess.DEVNULL)
    play()
    shots(opts['--shots']) if '--shots' in opts else None
except (AssertionError, subprocess.TimeoutExpired) as e:
    sys.exit(f'e2e: FAIL: {e}\ne2e: the grabs and files are kept in {work}')
finally:
    for p in procs:  # the game first; Xvfb removes its lock when terminated
        p.terminate()
        p.wait()
shutil.rmtree(work)
print('e2e: PASS')
