#!/usr/bin/python3
# Plays the installed game in a real X window under a private Xvfb (through
# tools/xgame.py): the window against its desktop entry, the frame, two taps on
# grabbed pixels, a whole 3x3 game to a record that outlives the X server, the
# command line, two windows on one data folder that each set a record and
# close, a window grown to twice its size and kept so, taps and keys on the edge
# pixels of tiles at other desktop scales, and last, under openbox, a window
# closed maximised and one closed restored, each started again.
# usage: installed_game.py --prefix PREFIX [--build TREE --built BINARY]
import heapq, pathlib, re, signal, struct, sys, time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / 'tools'))
import xgame as x  # noqa: E402
from xgame import ANON, BLACK, BLUE, DARK, FACE, SHADOW, WHITE, click, close, menu, pixels, run, same  # noqa: E402
from xgame import settled, start_game, start_xvfb, stats, stats_file, until, window, xdo  # noqa: E402

NAME = 'Ada Lovelace'


def cells(shot, n=3):  # inside each cell of the n x n board, 1 px in from its edges where the frame's inner ring shows
    t = 232 // n
    return [shot.crop((5 + t * c, 5 + t * r, 3 + t * c + t, 3 + t * r + t)).tobytes() for r in range(n)
            for c in range(n)]


def tap(win, cell, n=3):
    click(win, 4 + 232 // n * (cell % n) + 116 // n, 4 + 232 // n * (cell // n) + 116 // n)


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


def taps(scale, size=None):  # at this scale a tap moves the tile drawn under it, to its edge pixels; off the grid, none
    game_proc, win = x.start_game(scale, size, Dims=4, UseAnim=0)
    home = settled(win, at := f'taps-{scale}-{size}')
    lines = x.runs(home, BLACK, x=home.width * 5 // 8)[:5]  # the grid's lines down column 2, whose last tile is O
    y_o, y_l = (lines[3][1] + lines[4][0]) // 2, (lines[2][1] + lines[3][0]) // 2
    o_last = x.runs(home, BLACK, y=y_o)[-1][1]  # O's right edge against the blank
    x_b = (o_last + x.runs(home, FACE, y=y_o)[-1][1]) // 2  # the blank's middle, under L
    l_last = x.runs(home, BLACK, x=x_b)[3][1]
    blank = lambda p: lambda shot: shot.getpixel(p) != FACE and f'{p} does not show the blank'
    was_home = lambda shot: shot != home and 'not the board as it started'
    click(win, home.width * 5 // 8, lines[4][1] + 1)  # below O, then right of L; then, after the Game menu opened
    click(win, x.runs(home, BLACK, y=y_l)[-1][1] + 1, y_l)  # and closed by one Escape, Right must move O, not N or K
    moved = x.keyed(win, 'alt+g Escape Right', f'{at}-off-grid', blank((o_last, y_o)))
    o_first = next(a for a, _ in x.runs(moved, BLACK, y=y_o) if a > o_last)  # in the corner, against the blank
    x.clicked(win, o_first, y_o, f'{at}-o-first', was_home)
    x.clicked(win, o_last, y_o, f'{at}-o-last', blank((o_last, y_o)))
    x.keyed(win, 'Left', f'{at}-left', was_home)
    moved = x.clicked(win, x_b, l_last, f'{at}-l-last', blank((x_b, l_last)))
    x.clicked(win, x_b, next(a for a, _ in x.runs(moved, BLACK, x=x_b) if a > l_last), f'{at}-l-first', was_home)
    close(win)  # and gone, before the next start writes its settings
    game_proc.wait(timeout=30)


def maximised():  # under a window manager: a game closed maximised starts maximised, one closed restored restored
    x.start_wm()
    big = ('_NET_WM_STATE_MAXIMIZED_VERT', '_NET_WM_STATE_MAXIMIZED_HORZ')
    shown = lambda win: 'maximised' if set(big) <= x.wm_states(win) else win.get_geometry().width
    game_proc, win = start_game(Dims=3, UseAnim=0)
    for want in ('maximised', 240):
        x.ask_wm(win, want == 'maximised', *big)  # as a taskbar asks
        assert until(lambda: shown(win) == want), f'openbox did not make the window {want}'
        close(win)
        game_proc.wait(timeout=30)
        game_proc, win = x.restart()
        same('a game started after one closed so', want, until(lambda: shown(win) == want and want, 5) or shown(win))


def play():
    xvfb = start_xvfb()
    game_proc, win = start_game(Dims=3, UseAnim=0)
    g, entry = win.get_geometry(), pathlib.Path(x.prefix, f'share/applications/{x.APP}.desktop').read_text()
    same('window size', (240, 294), (g.width, g.height))
    kind = win.get_full_property(x.dpy.intern_atom('_NET_WM_WINDOW_TYPE'), 0).value.tolist()  # a frame, no dialog
    same('WM_CLASS and window type', (('slydra', re.search('^StartupWMClass=(.*)$', entry, re.M)[1]),
                                      [x.dpy.intern_atom('_NET_WM_WINDOW_TYPE_NORMAL')]), (win.get_wm_class(), kind))
    # Tiles end at 234, rings 5 to 1 at 235 to 239; the blank corner shows the face, tiles a border and E's blue bar.
    rings = dict(zip(range(234, 240), (FACE, DARK, FACE, WHITE, SHADOW, DARK)))
    want = {(4, 4): BLACK, (120, 100): BLUE, (120, 110): WHITE, (158, 158): FACE}
    want.update({(col, 200): c for col, c in rings.items()} | {(200, row): c for row, c in rings.items()})
    home = settled(win, 'home', pixels(want))
    h = cells(home)
    tap(win, 7)  # H slides right, then G
    tap(win, 6)
    two = settled(win, 'two-taps', lambda s: cells(s)[6:] != [h[8], h[6], h[7]] and 'not blank, G, H')
    moves = win_game(win, 3, h, cells(two), NAME)
    # The record is on disk as soon as the game is won, under "Anonymous" until the page closes, as it does when the
    # X server goes away. The low byte of its seconds (under 256) is whatever the clock counted, and is not compared.
    want = lambda name: stats_file([moves, 0, 9999, 3599, 9999, 3599], [name, ANON, ANON], [name, ANON, ANON]).hex(' ')
    on_disk = lambda: (b := stats.read_bytes() if stats.exists() else bytes(8)) and (b[:4] + bytes(1) + b[5:]).hex(' ')
    same('Stats.bin with the name being typed', want(ANON), on_disk())
    xvfb.terminate()
    game_proc.wait(timeout=30)
    same('Stats.bin after the X server went away', want(NAME), on_disk())
    same('slydra --version without a display', (0, 'slydra 1.1\n', ''), run('--version'))
    same('slydra --help without a display', (0, 'Usage: slydra'), (run('--help')[0], run('--help')[1][:13]))
    same('slydra without a display: status and lines on stderr', (1, 1), (run()[0], run()[2].count('\n')))
    start_xvfb()
    bogus = run('--bogus', DISPLAY=x.env['DISPLAY'])
    same('slydra --bogus: status and lines on stderr', (2, 1), (bogus[0], bogus[2].count('\n')))
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
    same('exit status of B after WM_DELETE_WINDOW, of A after two SIGTERMs', (0, 0),
         (b.wait(timeout=30), a.wait(timeout=30)))
    same('least moves of 3x3, 4x4 and 5x5, and the names',
         (moves + [9999], stats_file([0] * 6, [ANON] * 3, [ANON] * 3)[24:]),
         (list(struct.unpack('<6i', stats.read_bytes()[:24])[0::2]), stats.read_bytes()[24:]))
    game_proc, win = start_game(Dims=3, UseAnim=0)
    xdo('windowsize', '--sync', win.id, 480, 588)  # twice the size, drawn anew: rings 1 and 2 two pixels wide
    settled(win, 'big', pixels({(479, 100): DARK, (3, 100): WHITE}))
    close(win)
    same('exit status after WM_DELETE_WINDOW at twice the size', 0, game_proc.wait(timeout=30))
    game_proc, win = x.restart()
    g = win.get_geometry()
    same('window size kept from the last run', (480, 588), (g.width, g.height))
    close(win)
    game_proc.wait(timeout=30)
    for scale, size in ((1.25, None), (1.25, (300, 368)), (1.5, None), (2, None), (2, (300, 368))):
        taps(scale, size)
    maximised()


if __name__ == '__main__':
    x.session(play)
