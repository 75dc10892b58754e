#!/usr/bin/python3
"""Starts a program on an X server without a window manager and prints, for
the first window it maps whose title matches: the milliseconds from launch to
the window on screen, the CPU milliseconds the program (all its threads) has
spent when the window is first painted, the CPU milliseconds it spends in the
second after that, and its resident memory in kB then.

    premiere_peinture.py 'TITLE REGEX' PROGRAM [ARGUMENTS...]

A window shows the root's colour until it is first painted (the programs
measured give their windows no background of their own), so the root gets a
colour no window has, and the window's middle pixel is watched until it
changes."""
import glob
import re
import subprocess
import sys
import time

from Xlib import X, Xatom, display

MARQUE = 0x123456


def cpu(pid):
    total = 0
    for f in glob.glob(f'/proc/{pid}/task/*/schedstat'):
        try:
            total += int(open(f).read().split()[0])
        except (OSError, ValueError):
            pass  # a thread that has just ended
    return total


def titre(d, w):
    for nom in ('_NET_WM_NAME', 'WM_NAME'):
        p = w.get_full_property(d.intern_atom(nom), X.AnyPropertyType)
        if p and p.value:
            v = p.value
            return v.decode('utf-8', 'replace') if isinstance(v, bytes) else str(v)
    return ''


def main():
    motif = re.compile(sys.argv[1])
    d = display.Display()
    racine = d.screen().root
    racine.change_attributes(background_pixel=MARQUE, event_mask=X.SubstructureNotifyMask)
    racine.clear_area()
    d.sync()

    debut = time.monotonic()
    programme = subprocess.Popen(sys.argv[2:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    fenetre = None
    while fenetre is None:
        e = d.next_event()
        if e.type == X.MapNotify and motif.search(titre(d, e.window)):
            fenetre = e.window
    visible = time.monotonic()
    g = fenetre.get_geometry()
    while int.from_bytes(fenetre.get_image(g.width // 2, g.height // 2, 1, 1, X.ZPixmap,
                                           0xffffffff).data[:3], 'little') == MARQUE:
        time.sleep(0.0005)  # leave the server and the program to their work
    avant = cpu(programme.pid)
    time.sleep(1)
    apres = cpu(programme.pid)
    memoire = next(l.split()[1] for l in open(f'/proc/{programme.pid}/status') if l.startswith('VmRSS'))
    programme.terminate()
    programme.wait()
    print(f'{(visible - debut) * 1000:.0f} {memoire} {avant / 1e6:.1f} {(apres - avant) / 1e6:.1f}')


main()
