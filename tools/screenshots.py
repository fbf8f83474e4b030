#!/usr/bin/python3
# Takes the README's pictures with tools/xgame.py, as the end-to-end test plays:
# the installed game in a private Xvfb with settings and records of its own.
# usage: screenshots.py --prefix PREFIX --shots DIR   (tools/screenshots.sh builds, installs and runs it)
import pathlib, subprocess, sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import xgame as e2e  # noqa: E402


def harbour(path):  # a boat at sunset, drawn by ImageMagick from shapes alone, the same in every run
    draw = [a for fill, shape in (('#fff1bf', 'circle 150,118 150,137'),
                                   ('#6b4f7a', 'polygon 0,140 30,100 88,122 128,140'),
                                   ('#3e2f5b', 'polygon 160,140 200,112 232,110 232,140'),
                                   ('#2a1e2e', 'polygon 44,170 92,170 84,179 52,179 rectangle 67,118 68,170'),
                                   ('#fbf3e4', 'polygon 70,120 88,166 70,166'),
                                   ('#f0d9c0', 'polygon 66,126 66,166 48,166'))
            for a in ('-fill', fill, '-draw', shape)]
    subprocess.run(['convert', '-size', '232x140', 'gradient:#1d3b6e-#f7c06e',
                    '(', '+clone', '-flip', '-modulate', '80',
                    '-resize', '232x92!', ')', '-append', *draw, '-quality', '92', path], check=True)


def shots(out):
    e2e.start_xvfb()
    e2e.stats.parent.mkdir(parents=True)
    records = e2e.stats_file([24, 31, 87, 139, 231, 655], ['Ingrid', 'Tomás', 'Maja'], ['Ola', 'Ingrid', 'Maja'])
    e2e.stats.write_bytes(records)
    game, win = e2e.start_game(Dims=4, UseAnim=1, UsePic=0)
    board = e2e.pixels({(4, 4): e2e.BLACK, (200, 200): e2e.FACE, (235, 200): e2e.DARK})
    e2e.settled(win, 'board-4x4', board).save(f'{out}/board-4x4.png')
    e2e.menu(win, 75, 1, 3)
    # The pages are part of the window and cover its client area, above the menu bar.
    titled = lambda shot: e2e.BLUE not in shot.crop((0, 0, 120, 26)).getdata() and 'no title'
    e2e.settled(win, 'best-scores', titled).crop((0, 0, 240, 268)).save(f'{out}/best-scores.png')
    game.terminate()
    game.wait(timeout=30)
    # The field shows the end of the path: a long folder name hides the work folder's random one.
    picture = pathlib.Path(e2e.dirs['HOME'], 'Pictures/Summer by the sea/harbour.jpg')
    picture.parent.mkdir(parents=True)
    harbour(picture)
    game, win = e2e.start_game(Dims=5, UseAnim=1, UsePic=1, Location=picture)
    e2e.menu(win, 75, 2, 3)
    e2e.settled(win, 'options', titled).crop((0, 0, 240, 268)).save(f'{out}/options.png')
    e2e.xdo('windowfocus', '--sync', win.id, 'key', 'Escape')
    e2e.settled(win, 'options-closed', lambda shot: not titled(shot) and 'the page stayed')
    e2e.menu(win, 27, 0, 1)
    # A deal never leaves the blank in the corner.
    dealt = lambda shot: shot.getpixel((200, 200)) == e2e.FACE and 'no new deal'
    e2e.settled(win, 'board-5x5-picture', dealt).save(f'{out}/board-5x5-picture.png')
    e2e.xdo('windowmove', '--sync', win.id, 0, 0, 'windowsize', '--sync', win.id, 480, 588)
    large = e2e.pixels({(479, 100): e2e.DARK})  # the right edge of the board at twice the size, drawn at that size
    e2e.settled(win, 'board-large', large).save(f'{out}/board-large.png')


e2e.session(lambda: shots(e2e.opts['--shots']))
