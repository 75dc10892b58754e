"""cartes.py WINDOW.rgb WIDTH FACES X,Y...

The faces that lie at the given client points of a window captured as raw
RGB (ImageMagick's `import -window ID -depth 8 rgb:FILE`), WIDTH pixels
wide: one word each, the face's name (P10 is the ten of spades, K12 the
queen of diamonds) or "?" where no face lies whole and unmarked. The
faces are the 71 x 96 card pictures of FACES, as raw RGB files named after
them. Cards are drawn pixel for pixel from their pictures, so a face is
found by its exact bytes.
"""
import hashlib
import os
import sys

L, H = 71, 96


def empreinte(octets):
    return hashlib.sha1(octets).hexdigest()


def main():
    image, largeur, dossier = open(sys.argv[1], "rb").read(), int(sys.argv[2]), sys.argv[3]
    faces = {}
    for nom in os.listdir(dossier):
        with open(os.path.join(dossier, nom), "rb") as f:
            faces[empreinte(f.read())] = os.path.splitext(nom)[0]
    noms = []
    for point in sys.argv[4:]:
        x, y = (int(v) for v in point.split(","))
        lignes = (image[((y + r) * largeur + x) * 3:((y + r) * largeur + x + L) * 3] for r in range(H))
        noms.append(faces.get(empreinte(b"".join(lignes)), "?"))
    print(" ".join(noms))


main()
