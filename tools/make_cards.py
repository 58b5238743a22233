#!/usr/bin/env python3
"""Writes data/cards.csv: the 606 cards of Quorvel.

Run once by hand (python3 tools/make_cards.py data/cards.csv); the CSV is
committed as the readable source of the card list. The generator uses its own
xorshift generator so the output never depends on the Python version.
"""
import sys

LEVELS = 10
COUNT = 606


class Rng:
    def __init__(self, seed):
        self.s = seed & 0xFFFFFFFFFFFFFFFF or 1

    def next(self):
        x = self.s
        x ^= (x << 13) & 0xFFFFFFFFFFFFFFFF
        x ^= x >> 7
        x ^= (x << 17) & 0xFFFFFFFFFFFFFFFF
        self.s = x
        return x

    def below(self, n):
        return self.next() % n

    def pick(self, seq):
        return seq[self.below(len(seq))]


# Invented syllables; names are built from them so none comes from elsewhere.
ONSETS = ["br", "dr", "gl", "gr", "kh", "kr", "m", "n", "qu", "r", "s", "sk", "th", "tr", "v",
          "vr", "w", "z", "l", "f", "h", "p", "t", "b", "d", "g", "c", "sh", "y", "j"]
NUCLEI = ["a", "e", "i", "o", "u", "ae", "ia", "ou", "y", "ei", "oa", "ua"]
CODAS = ["", "", "", "n", "r", "l", "th", "sk", "m", "x", "nd", "rk", "sh", "v", "ll", "st", "g"]

# Kinds of beings and things, rising in might with the level.
KINDS = [
    ["Mite", "Sprig", "Newt", "Moth", "Puffcap", "Burrower", "Toadling", "Pebblekin", "Wisp",
     "Nibbler", "Hopper", "Glowworm"],
    ["Skulker", "Thornling", "Lamplet", "Mudpup", "Weaver", "Gnawer", "Fenrat", "Bramblekin",
     "Cinderfly", "Snapjaw", "Reedling", "Pinecrawler"],
    ["Scout", "Totem", "Stinger", "Marshwalker", "Lantern", "Howler", "Shellback", "Digger",
     "Prowler", "Ghostcap", "Quillhog", "Rootling"],
    ["Warden", "Stalker", "Idol", "Serpent", "Raider", "Hexer", "Gargoyle", "Tusker", "Mystic",
     "Ravager", "Shardback", "Trapper"],
    ["Knight", "Golem", "Oracle", "Basilisk", "Reaver", "Chimera", "Sentinel", "Shaman", "Marauder",
     "Lurker", "Harpy", "Crawler"],
    ["Champion", "Colossus", "Drake", "Seer", "Behemoth", "Juggernaut", "Banshee", "Warlock",
     "Stormbird", "Ironhide", "Manticore", "Griffin"],
    ["Warlord", "Wyrm", "Sorcerer", "Leviathan", "Titan", "Phantom", "Hydra", "Sphinx",
     "Dreadnought", "Archon", "Thunderhoof", "Nightmare"],
    ["Overlord", "Elder Wyrm", "Archmage", "Dread Knight", "Storm Giant", "Moonbeast", "Warbeast",
     "Spellforge", "Skyserpent", "Deathless", "Starhound", "Runelord"],
    ["Tyrant", "Ancient", "High Sorcerer", "World Serpent", "Doombringer", "Sunwyrm", "Eclipse",
     "Citadel", "Kingbreaker", "Voidwalker", "Starforge", "Thunderking"],
    ["Sovereign", "Primeval", "Eternal", "Worldshaper", "Dawnbringer", "Godforge", "Celestial",
     "Firstborn", "Undying", "Skyfather", "Abyss Lord", "Starmother"],
]

# The invented elements; a card carries one of them or none.
ELEMENTS = ["Ember", "Brine", "Gale", "Loam", "Rime", "Gloam", "Spark", "Thorn"]


def word(rng, syllables):
    w = ""
    for i in range(syllables):
        w += rng.pick(ONSETS) + rng.pick(NUCLEI)
        if i == syllables - 1:
            w += rng.pick(CODAS)
        elif rng.below(3) == 0:
            w += rng.pick(["n", "r", "l"])
    return w[0].upper() + w[1:]


def edges(rng, level):
    # Target edge sum rises with the level: about 12 at level 1, 31 at level 10.
    target = 12 + (19 * (level - 1) + 4) // 9 + rng.below(5) - 2
    cap = min(10, 5 + level)
    e = [1, 1, 1, 1]
    # Some cards are spiky (one strong side), most are even-handed.
    weights = [1, 1, 1, 1]
    if rng.below(3) == 0:
        weights[rng.below(4)] = 4
    while sum(e) < target:
        total = sum(w for w, v in zip(weights, e) if v < cap)
        if total == 0:
            break
        r = rng.below(total)
        for i in range(4):
            if e[i] >= cap:
                continue
            if r < weights[i]:
                e[i] += 1
                break
            r -= weights[i]
    # Low-level cards never dominate all four sides.
    if level <= 3:
        while min(e) >= 6:
            e[e.index(min(e))] -= 1
    return e


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "data/cards.csv"
    rng = Rng(0x51A7C0DE2024)
    used = set()
    rows = ["autonumber,id,level,name,element,north,east,south,west,path"]
    for n in range(1, COUNT + 1):
        level = (n - 1) * LEVELS // COUNT + 1
        while True:
            name = word(rng, 2 if rng.below(5) else 3) + " " + rng.pick(KINDS[level - 1])
            if name not in used and len(name) <= 24:
                used.add(name)
                break
        element = "" if rng.below(10) < 3 else rng.pick(ELEMENTS)
        north, east, south, west = edges(rng, level)
        rows.append(f"{n},{1000 + n},{level},{name},{element},{north},{east},{south},{west},"
                    f"\\cards\\{n:04d}")
    with open(out, "w", newline="\n") as f:
        f.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
