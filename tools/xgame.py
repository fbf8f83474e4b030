#!/usr/bin/python3
# Drives the installed game in a real X window under a private Xvfb, with
# settings and records of its own: start it, find its windows with xdotool,
# click, open its menus, grab its pixels with python3-xlib once they settle,
# and stop everything afterwards. The end-to-end test and tools/screenshots.py
# play the game through it.
# Scripts call session(body) with --prefix PREFIX [--build TREE --built BINARY] on their command line.
import itertools, os, pathlib, shutil, struct, subprocess, sys, tempfile, time
from PIL import Image
from Xlib import X, display, protocol

FACE, SHADOW, DARK, WHITE, BLACK, BLUE = (0xef,) * 3, (0x9f,) * 3, (0x76,) * 3, (0xff,) * 3, (0,) * 3, (0, 0, 0xff)
APP, ANON = 'io.github.brevik.Slydra', 'Anonymous'
opts = dict(zip(sys.argv[1::2], sys.argv[2::2]))
work, procs = tempfile.mkdtemp(prefix='slydra-e2e.'), []
dirs = {'XDG_RUNTIME_DIR': work, **{k: f'{work}/{k.lower()}' for k in ('HOME', 'XDG_CONFIG_HOME', 'XDG_DATA_HOME')}}
stats = pathlib.Path(dirs['XDG_DATA_HOME'], 'Brevik/Slydra/Stats.bin')
conf = pathlib.Path(dirs['XDG_CONFIG_HOME'], 'Brevik/Slydra.conf')
# The game speaks English, whatever the language of the desktop that runs the tests.
unset = ('QT_', 'DISPLAY', 'WAYLAND', 'DBUS', 'LANG', 'LC_')
plain = {**{k: v for k, v in os.environ.items() if not k.startswith(unset)}, **dirs,
         'DBUS_SESSION_BUS_ADDRESS': f'unix:path={work}/no-bus', 'LANG': 'C.UTF-8'}
env, dpy, prefix, game = {}, None, '', ''


def same(what, want, seen):
    assert want == seen, f'{what}: expected {want!r}, saw {seen!r}'


def until(probe, secs=20):  # probe()'s first truthy answer, or its last one after secs
    end = time.time() + secs
    while not (answer := probe()) and time.time() < end:
        time.sleep(0.1)
    return answer


def xdo(*argv):
    done = subprocess.run(['xdotool', *map(str, argv)], env=env, timeout=30, capture_output=True, text=True)
    return done.stdout.split()


def start_xvfb():
    global env, dpy
    r, w = os.pipe()
    procs.insert(0, subprocess.Popen(['Xvfb', '-displayfd', str(w), '-nolisten', 'tcp', '-screen', '0', '1024x768x24'],
                                     pass_fds=[w], stderr=subprocess.DEVNULL))
    os.close(w)
    env = dict(plain, DISPLAY=':' + os.read(r, 16).decode().strip(), QT_QPA_PLATFORM='xcb')
    dpy = display.Display(env['DISPLAY'])
    return procs[0]


def start_wm():  # openbox on the X server, so that a window can be maximised and restored
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    procs.insert(0, subprocess.Popen(['openbox', '--sm-disable'], env=env, **quiet))
    check = dpy.intern_atom('_NET_SUPPORTING_WM_CHECK')
    assert until(lambda: dpy.screen().root.get_full_property(check, X.AnyPropertyType)), 'openbox did not start'


def wm_states(win):
    states = win.get_full_property(dpy.intern_atom('_NET_WM_STATE'), X.AnyPropertyType)
    return {dpy.get_atom_name(a) for a in states.value} if states else set()


def ask_wm(win, add, *states):  # adds or removes states of the window, as a taskbar asks the window manager to
    data = (32, [int(add), *map(dpy.intern_atom, states), 2, 0])
    asked = protocol.event.ClientMessage(window=win, client_type=dpy.intern_atom('_NET_WM_STATE'), data=data)
    dpy.screen().root.send_event(asked, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    dpy.flush()


def start_game(scale=1, size=None, **settings):  # size: the window's (width, height) in points, as a last run kept it
    kept = f'[Window]\nWidth={size[0]}\nHeight={size[1]}\n' if size else ''
    conf.write_text('[Settings]\n' + ''.join(f'{k}={v}\n' for k, v in settings.items()) + kept)
    return restart(scale)


def restart(scale=1):  # the game again, on the settings the last one left
    procs.insert(0, subprocess.Popen([game], env=dict(env, QT_SCALE_FACTOR=str(scale))))
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
    problem = wrong(shots[-1]) or (shots[-1] != shots[-2] and 'it kept changing')
    assert not problem, f'{name}.png: {problem}'
    return shots[-1]


def runs(shot, colour, x=None, y=None):  # (first, last) of each run of colour down column x or along row y
    line = shot.crop((x, 0, x + 1, shot.height) if y is None else (0, y, shot.width, y + 1)).getdata()
    found, at = [], 0
    for c, same_colour in itertools.groupby(line):
        n = len(list(same_colour))
        found += [(at, at + n - 1)] if c == colour else []
        at += n
    return found


def pixels(want):
    return lambda shot: '; '.join(f'{p} is {shot.getpixel(p)}, not {c}'
                                  for p, c in want.items() if shot.getpixel(p) != c)


def click(win, x, y):
    xdo('mousemove', '--window', win.id, x, y, 'click', 1)


def clicked(win, x, y, name, wrong):  # a click, and the window once it has settled
    click(win, x, y)
    return settled(win, name, wrong)


def keyed(win, keys, name, wrong):  # keys, and the window once it has settled
    xdo('windowfocus', '--sync', win.id, 'key', *keys.split())
    return settled(win, name, wrong)


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


def session(body):  # runs body against the game under test, then stops everything; exits non-zero on a failure
    global prefix, game
    prefix, game = opts['--prefix'], opts['--prefix'] + '/bin/slydra'
    try:
        conf.parent.mkdir(parents=True)
        stale = not os.path.exists(game) or os.path.getmtime(game) < os.path.getmtime(opts.get('--built', game))
        if '--built' in opts and stale:  # the latest build is not installed: install it here
            prefix, game = work + '/prefix', work + '/prefix/bin/slydra'
            install = ['cmake', '--install', opts['--build'], '--prefix', prefix]
            subprocess.run(install, check=True, stdout=subprocess.DEVNULL)
        body()
    except (AssertionError, subprocess.TimeoutExpired) as e:
        sys.exit(f'e2e: FAIL: {e}\ne2e: the grabs and files are kept in {work}')
    finally:
        for p in procs:  # the game first; Xvfb removes its lock when terminated
            p.terminate()
            p.wait()
    shutil.rmtree(work)
    print('e2e: PASS')


