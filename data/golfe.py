#!/usr/bin/env python3
"""Builds golfe.vsc, the sample mixed fishery of a Bay-of-Biscay-like gulf.

Run it from anywhere: it writes golfe.vsc beside itself and prints nothing.
The file is generated so that its biology follows published-style
life-history parameters exactly: von Bertalanffy growth turned into classes
per quarter, a length-weight relation in kg, annual natural mortality split
over the quarters.  Every value line of the output carries a comment.
"""

import math
import os

PERIODES_AN = 4
SAISONS = ("T1 janvier-mars", "T2 avril-juin", "T3 juillet-septembre", "T4 octobre-décembre")

# Life-history parameters.  Lengths in cm (one class = 1 cm; total length for
# the langoustine), weights W = a L^b in kg, M per year.  Recruitment maps a
# season (0 = January-March) to (first class, share of each class, recruits
# per year): numbers entering those classes at the start of that quarter.
# Below "seuil" % of the virgin spawning biomass recruitment falls in
# proportion; the fleets below keep every stock well above that.
ESPECES = [
    dict(
        nom="Merlu",
        latin="Merluccius merluccius",
        linf=110.0, k=0.18, a=5.13e-6, b=3.074, m=0.40,
        premiere=5, derniere=100, maturite=42,
        alea=0.6, seuil=20,
        # Spawning in late winter and spring: the young of the year reach
        # the grounds in summer and autumn.
        recrutement={2: (5, [0.10, 0.20, 0.25, 0.20, 0.15, 0.10], 20.0e6),
                     3: (5, [0.15, 0.25, 0.25, 0.20, 0.15], 13.0e6)},
    ),
    dict(
        nom="Sole",
        latin="Solea solea",
        linf=50.0, k=0.30, a=7.0e-6, b=3.07, m=0.10,
        premiere=10, derniere=50, maturite=28,
        alea=0.5, seuil=15,
        # One-year-olds leave the coastal nurseries in spring.
        recrutement={1: (10, [0.30, 0.40, 0.30], 8.0e6)},
    ),
    dict(
        nom="Langoustine",
        latin="Nephrops norvegicus, longueur totale",
        linf=25.0, k=0.20, a=1.2e-5, b=3.18, m=0.30,
        premiere=4, derniere=22, maturite=9,
        alea=0.4, seuil=20,
        # Juveniles leave the parents' burrows in summer.
        recrutement={2: (4, [0.60, 0.40], 250.0e6)},
    ),
]


def croissance(esp, longueur):
    """Growth in classes over one quarter, kept inside the size range.

    Classes at or above Linf do not grow (never shrink); no class grows past
    the largest one, which keeps its fish (a plus group).
    """
    if longueur >= esp["derniere"]:
        return 0.0
    g = (esp["linf"] - longueur) * (1.0 - math.exp(-esp["k"] / PERIODES_AN))
    return min(max(g, 0.0), esp["derniere"] - longueur)


def poids(esp, longueur):
    return esp["a"] * longueur ** esp["b"]


# Prices (euros/kg) by commercial size grade: (first class, last class, price).
PRIX = {
    "Merlu": [(5, 19, 0.50), (20, 26, 1.60), (27, 34, 2.80), (35, 44, 4.00),
              (45, 59, 5.40), (60, 100, 6.80)],
    "Sole": [(10, 19, 3.00), (20, 23, 8.00), (24, 29, 11.00), (30, 35, 14.00),
             (36, 50, 17.00)],
    "Langoustine": [(4, 8, 3.00), (9, 11, 9.00), (12, 14, 13.00), (15, 17, 17.00),
                    (18, 22, 21.00)],
}

# Seasonal price multipliers (winter demand, summer gluts).
PRIX_SAISON = {
    "Merlu": (1.10, 1.00, 0.90, 1.05),
    "Sole": (1.10, 0.95, 0.90, 1.15),
    "Langoustine": (0.95, 1.00, 1.10, 1.05),
}

# Seasonal availability (catchability multipliers): hake gathers on the
# shelf edge to spawn in late winter, sole in coastal spawning grounds in
# winter, langoustine leaves its burrows most in summer.
DISPO_SAISON = {
    "Merlu": (1.15, 1.05, 0.90, 0.90),
    "Sole": (1.30, 1.00, 0.80, 0.90),
    "Langoustine": (0.70, 1.20, 1.25, 0.85),
}

# Métiers.  Costs in euros: fixed cost of one vessel per year, cost of one
# vessel per day at sea (fuel, crew pay, gear, food).  Per species fished:
#   expo    exponent of the density factor (catchability rises as the stock
#           falls when positive: hake gathers, so it stays catchable);
#   sel     (selection factor, relative half-width, dome factor): a logistic
#           curve on the mesh (50 % retained at mesh x factor, in cm for a
#           mesh in mm), or knife-edge from the factor in cm when the
#           half-width is 0 (hooks);
#   q       catchability of one vessel-day: fishing mortality per quarter
#           before selection, seasons and size factors;
#   taille  catchability factor by size range; prime: price factor.
# With the fleets of the file the fully selected fishing mortality is about
# 0.24 a year on hake, 0.19 on langoustine and 0.15 on sole: the stocks settle at
# 30 to 45 % of their virgin biomass, the trawlers and the small-scale fleet
# stay profitable and the netters about break even once the virgin stock is
# fished down.
METIERS = [
    dict(
        nom="Chalutiers hauturiers",
        fixe=240000.0, jour=2600.0, equipage=6, jours=55, maillage=70.0,
        navires=30, reglementaire=70.0,
        note="chalutiers de fond de 20 à 25 m, accore du plateau",
        especes=[
            dict(nom="Merlu", expo=0.2, sel=(0.35, 0.25, 0.0), q=1.45e-5, prime=1.0,
                 taille=[(5, 59, 1.0), (60, 100, 0.7)]),
            dict(nom="Sole", expo=0.0, sel=(0.31, 0.25, 0.0), q=1.8e-6, prime=1.0,
                 taille=[(10, 50, 1.0)]),
            dict(nom="Langoustine", expo=0.0, sel=(0.11, 0.35, 0.0), q=3.6e-6, prime=1.0,
                 taille=[(4, 22, 1.0)]),
        ],
    ),
    dict(
        nom="Chalutiers langoustiniers",
        fixe=125000.0, jour=1300.0, equipage=4, jours=50, maillage=55.0,
        navires=150, reglementaire=55.0,
        note="chalutiers de 12 à 18 m, vasières du large",
        especes=[
            dict(nom="Langoustine", expo=0.0, sel=(0.11, 0.35, 0.0), q=5.6e-6, prime=1.0,
                 taille=[(4, 22, 1.0)]),
            dict(nom="Merlu", expo=0.2, sel=(0.35, 0.25, 0.0), q=8.0e-7, prime=0.9,
                 taille=[(5, 39, 1.0), (40, 100, 0.5)]),
            dict(nom="Sole", expo=0.0, sel=(0.31, 0.25, 0.0), q=8.0e-7, prime=1.0,
                 taille=[(10, 50, 1.0)]),
        ],
    ),
    dict(
        nom="Fileyeurs",
        fixe=90000.0, jour=1050.0, equipage=5, jours=50, maillage=100.0,
        navires=100, reglementaire=100.0,
        note="fileyeurs de 12 à 20 m : filets maillants à merlu, trémails à sole",
        especes=[
            dict(nom="Merlu", expo=0.2, sel=(0.38, 0.15, 0.75), q=3.0e-6, prime=1.1,
                 taille=[(5, 100, 1.0)]),
            dict(nom="Sole", expo=0.0, sel=(0.26, 0.20, 0.0), q=3.8e-6, prime=1.05,
                 taille=[(10, 50, 1.0)]),
        ],
    ),
    dict(
        nom="Petits métiers",
        fixe=19000.0, jour=280.0, equipage=2, jours=40, maillage=80.0,
        navires=300, reglementaire=80.0,
        note="côtiers de moins de 12 m : palangres et lignes à merlu, petits trémails",
        especes=[
            # Hooks: knife-edge selection from 30 cm, no upper limit.
            dict(nom="Merlu", expo=0.2, sel=(30.0, 0.0, -1.0), q=7.5e-7, prime=1.3,
                 taille=[(5, 100, 1.0)]),
            dict(nom="Sole", expo=0.0, sel=(0.30, 0.20, 0.0), q=7.5e-7, prime=1.05,
                 taille=[(10, 50, 1.0)]),
        ],
    ),
]

# Display scales: (maximum, divisor, unit label, use), k = 0..14.  Each
# maximum is a top the graphs' axis rounding keeps (1.2, 1.5, 1.8, 2, 3, 4,
# 5, 6, 8 or 10 times a power of ten).  Over the first sixty years at the
# file's measures every graph fits under its top, and the global graphs, and
# the largest species or métier of the others, reach 40 % of it, the first
# years fished from the virgin stock included; with every fleet's vessels
# doubled the graphs still fit, F by size aside.  The métiers' turnover and
# weights share the global scales and fill a quarter to a half of them.
ECHELLES = [
    (200.0, 1.0e6, "M€", "argent : CA et bénéfices (global, métier, espèce pêchée)"),
    (15000.0, 1000.0, "t", "poids débarqués (global, métier, espèce pêchée)"),
    (800.0, 1000.0, "k€", "CA et bénéfice par navire"),
    (80.0, 1000.0, "t", "poids débarqué par navire"),
    (4000.0, 1.0, "hommes", "équipages embarqués, bilan social"),
    (30.0, 1000.0, "milliers de jours", "effort de pêche (navires x jours de mer)"),
    (600.0, 1.0, "navires", "nombre de navires"),
    (80.0, 1.0, "jours", "jours de mer par navire et par trimestre"),
    (80000.0, 1000.0, "t", "biomasse des espèces (totale et féconde)"),
    (200.0, 1.0e6, "millions", "composition en taille (effectifs et captures)"),
    (30000.0, 1000.0, "t", "biomasse et captures en poids par taille"),
    (0.08, 1.0, "F par trimestre", "mortalité par pêche selon la taille"),
    (10000.0, 1000.0, "milliers", "captures en nombre par taille"),
    (80.0, 1.0e6, "millions", "captures et rejets en nombre d'une espèce pêchée"),
    (3000.0, 1000.0, "t", "captures en poids par taille"),
]
TAILLE_GRAPHE = (4, 100)


def nombre(x, chiffres=6):
    """A real as the file gives it: short decimal text, whole numbers plain."""
    if x == int(x) and abs(x) < 1e12:
        return str(int(x))
    return f"{x:.{chiffres}g}"


def ligne(valeurs, commentaire):
    return f"{valeurs:<28} {commentaire}"


def entete():
    lignes = [
        "Golfe : pêcherie mixte d'un golfe atlantique (type golfe de Gascogne), "
        "données d'exemple.",
        "Fichier produit par golfe.py (même dossier) : modifier golfe.py, pas ce fichier.",
        "Unités : longueur en cm (une classe = 1 cm), poids en kg, argent en euros, "
        "maillage en mm.",
        "Une période = un trimestre ; saison 1 = janvier-mars, saison 4 = octobre-décembre.",
        "Croissance d'une classe L (en classes par trimestre) : von Bertalanffy,",
        "  dL = (Linf - L) (1 - exp(-K/4)), bornée pour ne pas dépasser la dernière classe,",
        "  qui ne croît plus (groupe plus).",
        "Poids individuel (kg) : W = a L^b.  Mortalité naturelle par trimestre : M annuelle / 4.",
    ]
    for e in ESPECES:
        lignes.append(
            f"{e['nom']} ({e['latin']}) : classes {e['premiere']}-{e['derniere']} cm, "
            f"Linf {e['linf']:g} cm, K {e['k']:g}/an, a {e['a']:g}, b {e['b']:g}, "
            f"M {e['m']:g}/an, maturité {e['maturite']} cm.")
    for e in ESPECES:
        saisons = " et ".join(str(s + 1) for s in sorted(e["recrutement"]))
        total = sum(r[2] for r in e["recrutement"].values())
        lignes.append(f"  {e['nom']} : {total / 1e6:g} millions de recrues par an, "
                      f"saison(s) {saisons} ; recrutement réduit sous {e['seuil']} % "
                      f"de la biomasse féconde vierge.")
    maillages = " ; ".join(f"{m['nom']} ({m['maillage']:g} mm)" for m in METIERS)
    lignes.append(f"Métiers : {maillages}.")
    lignes += [
        "Capturabilité : mortalité par pêche par jour de mer d'un navire (avant sélectivité),",
        "  modulée par taille et par saison ; prix en euros/kg, modulés par saison.",
        "Coûts : coût fixe d'un navire par an, coût d'un jour de mer "
        "(carburant, part équipage...).",
    ]
    return lignes


def espece(e):
    out = [e["nom"], f"---- {e['latin']} ----"]
    out.append(ligne(nombre(e["alea"]), "AleaRecrutement : dispersion du recrutement aléatoire"))
    out.append(ligne("0", "Entier1 (non utilisé)"))
    out.append(ligne(str(e["seuil"]), "SeuilRecrutement : % de la biomasse féconde vierge"))
    out.append(ligne(str(e["maturite"]), "ClasseMaturite : première taille féconde (cm)"))
    for s in range(PERIODES_AN):
        out += saison_espece(e, s)
    return out


def saison_espece(e, s):
    out = []
    rec = e["recrutement"].get(s)
    if rec is None:
        out.append(ligne("0 0", f"saison {s + 1} ({SAISONS[s]}) : pas de recrutement"))
    else:
        debut, parts, total = rec
        fin = debut + len(parts) - 1
        out.append(ligne(f"{debut} {fin}", f"saison {s + 1} ({SAISONS[s]}) : recrues des classes"
                         f" {debut} à {fin}, {total / 1e6:g} millions"))
        for i, p in enumerate(parts):
            out.append(ligne(nombre(p * total), f"recrues de {debut + i} cm"))
    premiere, derniere = e["premiere"], e["derniere"]
    out.append(ligne(f"{premiere} {derniere} 1",
                     f"classes {premiere} à {derniere} : Croissance Poids MortaliteNaturelle"))
    for longueur in range(premiere, derniere + 1):
        valeurs = (f"{croissance(e, longueur):.4f} {nombre(poids(e, longueur), 5)} "
                   f"{e['m'] / PERIODES_AN:.4f}")
        out.append(ligne(valeurs, f"{longueur} cm"))
    return out


def metier(m):
    out = [m["nom"], f"---- {m['note']} ----"]
    out.append(ligne(nombre(m["fixe"]), "CoutFixeAn : coût fixe d'un navire par an (euros)"))
    out.append(ligne(nombre(m["jour"]), "CoutJourMer : coût d'un jour de mer d'un navire (euros)"))
    out.append(ligne(str(m["equipage"]), "Equipage : hommes par navire"))
    out.append(ligne(str(m["jours"]), "JoursMerInitial : jours de mer par navire et par trimestre"))
    out.append(ligne(nombre(m["maillage"]), "MaillageUsuel (mm)"))
    out.append(ligne(str(len(m["especes"])), "espèces pêchées"))
    for x in m["especes"]:
        out += espece_exploitee(m, x)
    out.append(f"---- première condition de gestion : {m['nom']} ----")
    out.append(ligne(nombre(m["navires"]), "NbNavires"))
    out.append(ligne(nombre(m["reglementaire"]), "MaillageReglementaire (mm)"))
    return out


def espece_exploitee(m, x):
    e = next(e for e in ESPECES if e["nom"] == x["nom"])
    facteur, etendue, dome = x["sel"]
    out = [x["nom"], f"---- {m['nom']} : {x['nom']} ----"]
    out.append(ligne(nombre(x["expo"]), "ExposantCapturabilite"))
    if etendue == 0:
        out.append(ligne(nombre(facteur), "FacteurSelection : première taille retenue (cm)"))
    else:
        out.append(ligne(nombre(facteur), f"FacteurSelection : 50 % retenus à "
                         f"{facteur * m['maillage']:g} cm"))
    out.append(ligne(nombre(etendue), "EtendueSelection"))
    if dome < 0:
        texte = "pas de limite haute"
    elif dome == 0:
        texte = "pas de courbe en dôme"
    else:
        texte = f"rétention divisée par deux à {dome * m['maillage']:g} cm"
    out.append(ligne(nombre(dome), f"FacteurDome : {texte}"))
    for s in range(PERIODES_AN):
        out += saison_exploitation(e, x, s)
    return out


def bornes(prix, tailles):
    """The size ranges where either the price or the catchability changes."""
    coupures = sorted({de for de, _, _ in prix} | {de for de, _, _ in tailles})
    fins = coupures[1:] + [prix[-1][1] + 1]
    for de, suivant in zip(coupures, fins):
        p = next(v for d, a, v in prix if d <= de <= a)
        q = next(v for d, a, v in tailles if d <= de <= a)
        yield de, suivant - 1, p, q


def saison_exploitation(e, x, s):
    nom = e["nom"]
    lignes = list(bornes(PRIX[nom], x["taille"]))
    out = [ligne(str(len(lignes)), f"saison {s + 1} ({SAISONS[s]}) : tranches de taille"),
           ligne(str(e["premiere"]), "PremiereClasse")]
    for de, a, p, q in lignes:
        prix = p * PRIX_SAISON[nom][s] * x["prime"]
        capt = x["q"] * DISPO_SAISON[nom][s] * q
        out.append(ligne(f"{de} {a} {prix:.2f} {capt:.4e}", f"{de}-{a} cm : prix, capturabilité"))
    return out


def fichier():
    out = [str(len(entete())) + "  lignes d'en-tête"] + entete()
    out.append(ligne(str(PERIODES_AN), "périodes par an"))
    out.append("Trimestres")
    out.append(ligne(str(len(ESPECES)), "espèces"))
    for e in ESPECES:
        out += espece(e)
    out.append("==== métiers ====")
    out.append(ligne(str(len(METIERS)), "métiers"))
    for m in METIERS:
        out += metier(m)
    out.append("==== échelles des graphes : maximum, diviseur, puis unité ====")
    for k, (maximum, diviseur, unite, usage) in enumerate(ECHELLES):
        out.append(ligne(f"{nombre(maximum)} {nombre(diviseur)}", f"échelle {k} : {usage}"))
        out.append(unite)
    out.append(ligne(f"{TAILLE_GRAPHE[0]} {TAILLE_GRAPHE[1]}",
                     "tailles extrêmes des graphes par taille (cm)"))
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    chemin = os.path.join(os.path.dirname(os.path.abspath(__file__)), "golfe.vsc")
    with open(chemin, "w", encoding="utf-8", newline="\n") as f:
        f.write(fichier())
