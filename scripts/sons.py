#!/usr/bin/env python3
"""Synthesises the two sounds of Vasco: resources/sons/Wagner.wav, a short
brass fanfare played on quit, and resources/sons/harp2.wav, a harp arpeggio
played when the about box opens.

Both are mono 16-bit waves at 22050 Hz, built from sums of harmonics under
an amplitude envelope: the result is the same on every machine.  Run from
the repository folder:  python3 scripts/sons.py
"""

import math
import os
import struct
import wave

TAUX = 22050  # samples per second


def frequence(note):
    """Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz)."""
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def cuivre(note, debut, duree, volume, pistes):
    """A brass-like note: bright harmonics, a soft attack, a light vibrato
    that grows while the note is held, and a short release."""
    f = frequence(note)
    attaque, relache = 0.05, 0.12
    harmoniques = [1.0, 0.65, 0.45, 0.30, 0.18, 0.10, 0.06]
    n0 = int(debut * TAUX)
    for i in range(int((duree + relache) * TAUX)):
        t = i / TAUX
        if t < attaque:
            env = t / attaque
        elif t < duree:
            env = 1.0 - 0.15 * (t - attaque) / max(duree - attaque, 1e-9)
        else:
            env = 0.85 * (1.0 - (t - duree) / relache)
        vibrato = 1.0 + 0.004 * min(t / 0.4, 1.0) * math.sin(2 * math.pi * 5.5 * t)
        phase = 2 * math.pi * f * vibrato * t
        s = sum(a * math.sin((k + 1) * phase) for k, a in enumerate(harmoniques))
        pistes[n0 + i] += volume * env * s


def harpe(note, debut, volume, pistes, duree=1.6):
    """A plucked string: a sharp attack and harmonics that die away faster
    the higher they are."""
    f = frequence(note)
    n0 = int(debut * TAUX)
    for i in range(int(duree * TAUX)):
        t = i / TAUX
        attaque = min(t / 0.004, 1.0)
        s = 0.0
        for k, a in enumerate([1.0, 0.5, 0.28, 0.15, 0.08]):
            s += a * math.exp(-t * (2.2 + 1.8 * k)) * math.sin(2 * math.pi * f * (k + 1) * t)
        pistes[n0 + i] += volume * attaque * s


def ecrire(chemin, pistes):
    """Normalises to 80 % of full scale, fades the last 50 ms and writes the
    wave file."""
    crete = max(abs(x) for x in pistes) or 1.0
    fondu = int(0.05 * TAUX)
    echantillons = []
    for i, x in enumerate(pistes):
        g = min(1.0, (len(pistes) - 1 - i) / fondu)
        echantillons.append(int(round(32767 * 0.8 * g * x / crete)))
    with wave.open(chemin, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(TAUX)
        w.writeframes(struct.pack("<%dh" % len(echantillons), *echantillons))


def fanfare():
    """G3 C4 E4 rising, then a held C major chord with a G below: 2.4 s."""
    pistes = [0.0] * int(2.4 * TAUX)
    cuivre(55, 0.00, 0.22, 0.8, pistes)
    cuivre(60, 0.25, 0.22, 0.8, pistes)
    cuivre(64, 0.50, 0.22, 0.8, pistes)
    for note in (48, 55, 60, 64, 67):
        cuivre(note, 0.80, 1.35, 0.45, pistes)
    return pistes


def arpege():
    """A rising C major ninth arpeggio, each string left to ring: 2.2 s."""
    notes = [48, 55, 60, 64, 67, 71, 74, 76, 79]
    pistes = [0.0] * int(2.2 * TAUX)
    for i, note in enumerate(notes):
        harpe(note, 0.07 * i, 0.5, pistes, duree=2.2 - 0.07 * i)
    return pistes


def main():
    racine = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    dossier = os.path.join(racine, "resources", "sons")
    os.makedirs(dossier, exist_ok=True)
    ecrire(os.path.join(dossier, "Wagner.wav"), fanfare())
    ecrire(os.path.join(dossier, "harp2.wav"), arpege())


if __name__ == "__main__":
    main()
