"""The ranges of the set-up page's built-in libraries, as readable tables.

scripts/generate_range_libraries.py turns them into the library files; run it
after every change here. Range texts use the engine's grammar ("AA", "AKs",
"AKo", "QQ+", "A5s-A2s", "T9s+" for connectors up to the ace, weights such as
":0.5" with at most two decimals); a later token overwrites an earlier one.
"""

# ---------------------------------------------------------------------------
# Hand ranking: strongest first. Rake and the tighter regular give up hands
# from the bottom of this list first; within a line the earlier hand is the
# stronger one.
# ---------------------------------------------------------------------------

RANKING = """
AA, KK, QQ, AKs
JJ, AKo, AQs
TT, AJs, KQs, AQo
99, ATs, KJs, AJo, KQo, QJs
88, KTs, QTs, JTs, A9s, ATo, A5s
77, A8s, A4s, K9s, T9s, KJo, A7s, A3s
66, A6s, A2s, Q9s, J9s, 98s, QJo, KTo
55, K8s, T8s, 87s, QTo, JTo, A9o, K7s
44, Q8s, 97s, 76s, K6s, A8o, J8s, 65s
33, 22, K5s, 86s, 54s, T7s, K9o, A7o, A5o
K4s, Q7s, 75s, 64s, Q9o, J9o, T9o, A6o, A4o, K3s
Q6s, J7s, 96s, 53s, K2s, 85s, A3o, 98o, Q5s
43s, 74s, T6s, Q4s, K8o, A2o, J8o, T8o, 63s
Q3s, J6s, 95s, 87o, Q2s, J5s, K7o, Q8o, 52s
84s, J4s, 97o, 76o, T5s, K6o, 42s, 73s, J3s
T4s, 65o, 86o, 62s, 94s, K5o, J7o, Q7o, T7o, 32s, J2s
T3s, 93s, 83s, 54o, K4o, Q6o, 72s, 96o, T2s
75o, 92s, 82s, 64o, K3o, Q5o, J6o, 85o, K2o
Q4o, T6o, 53o, J5o, Q3o, 74o, 95o
Q2o, J4o, 43o, T5o, 63o, 84o, J3o
52o, J2o, T4o, 94o, 73o, T3o, 42o
93o, T2o, 62o, 92o, 83o, 32o, 82o, 72o
"""


# Share of a range's no-rake combos given up from the bottom of the ranking,
# per rake tier, and by the "Tighter reg" of the population library. Rake per
# big blind is highest at the smallest stakes, so 50nl gives up most and 500nl
# least. Flats suffer most (the blinds' flats above all); 3-bets and 4-bets
# barely move.
TRIM = {
    # family              No rake  50nl   100nl  200nl  500nl  Tighter reg
    "open":               (0.00,   0.07,  0.05,  0.03,  0.01,  0.15),
    "open_late":          (0.00,   0.10,  0.07,  0.04,  0.02,  0.18),
    "open_sb":            (0.00,   0.18,  0.13,  0.08,  0.04,  0.20),
    "flat_ip":            (0.00,   0.35,  0.25,  0.16,  0.08,  0.35),
    "flat_sb":            (0.00,   0.50,  0.35,  0.22,  0.10,  0.50),
    "defend_bb":          (0.00,   0.22,  0.16,  0.10,  0.05,  0.25),
    "defend_bb_vs_sb":    (0.00,   0.14,  0.10,  0.06,  0.03,  0.20),
    "threebet":           (0.00,   0.06,  0.04,  0.02,  0.01,  0.20),
    "call_3bet":          (0.00,   0.18,  0.13,  0.08,  0.04,  0.25),
    "fourbet":            (0.00,   0.05,  0.03,  0.02,  0.00,  0.20),
    "call_4bet":          (0.00,   0.14,  0.10,  0.06,  0.03,  0.25),
    "hu_open":            (0.00,   0.08,  0.06,  0.04,  0.02,  0.15),
    "hu_defend":          (0.00,   0.14,  0.10,  0.06,  0.03,  0.20),
}

# ---------------------------------------------------------------------------
# Six-handed ranges without rake
# ---------------------------------------------------------------------------

# First-in raises (the same for both players' lists).
RFI = {
    "UTG": "AA, KK, QQ, JJ, TT, 99:0.8, 88:0.75, 77:0.7, 66:0.6, 55:0.6, 44:0.5, 33:0.4, 22:0.4,"
           " A3s+, A2s:0.8, KTs+, K9s:0.6, K8s:0.3, QTs+, Q9s:0.5, JTs, J9s:0.6, T9s, T8s:0.3,"
           " 98s:0.6, 87s:0.4, 76s:0.4, 65s:0.4, 54s:0.3, AJo+, ATo:0.7, KQo, KJo:0.5, QJo:0.2",
    "HJ": "AA-88, 77:0.9, 66:0.8, 55:0.7, 44:0.6, 33:0.5, 22:0.5, A2s+, K9s+, K8s:0.6, K7s:0.4,"
          " K6s:0.3, Q9s+, Q8s:0.4, J9s+, J8s:0.3, T9s, T8s:0.7, 98s, 97s:0.3, 87s:0.8, 76s:0.7,"
          " 65s:0.6, 54s:0.5, ATo+, A9o:0.3, KJo+, KTo:0.5, QJo:0.6, QTo:0.2, JTo:0.3",
    "CO": "22+, A2s+, K6s+, K5s:0.7, K4s:0.5, K3s:0.4, K2s:0.3, Q8s+, Q7s:0.5, Q6s:0.3, J8s+,"
          " J7s:0.5, T8s+, T7s:0.5, 97s+, 96s:0.3, 87s, 86s:0.5, 76s, 75s:0.3, 65s, 64s:0.2, 54s,"
          " 53s:0.2, A8o+, A7o:0.4, A5o:0.5, A4o:0.2, KTo+, K9o:0.4, QTo+, Q9o:0.2, JTo, J9o:0.2,"
          " T9o:0.3",
    "BTN": "22+, A2s+, K2s+, Q4s+, Q3s:0.7, Q2s:0.4, J6s+, J5s:0.6, J4s:0.3, T6s+, T5s:0.3, 96s+,"
           " 95s:0.3, 85s+, 84s:0.2, 74s+, 64s+, 63s:0.3, 53s+, 43s, A5o+, A4o:0.7, A3o:0.5, A2o:0.4,"
           " K9o+, K8o:0.8, K7o:0.6, K6o:0.4, Q9o+, Q8o:0.5, J9o+, J8o:0.5, T9o, T8o:0.5, 98o, 97o:0.3,"
           " 87o:0.5",
    "SB": "22+, A2s+, K2s+, Q3s+, Q2s:0.6, J5s+, J4s:0.5, T6s+, T5s:0.3, 96s+, 85s+, 74s+, 64s+,"
          " 53s+, 43s, A2o+, K8o+, K7o:0.6, K6o:0.3, Q9o+, Q8o:0.4, J9o+, J8o:0.3, T9o, T8o:0.4,"
          " 98o:0.5",
}

# For every open and every later seat: the seat's call and 3-bet, the opener's
# call and 4-bet against that 3-bet, and the 3-bettor's call of the 4-bet.
# A hand's call and raise weights never add up to more than the range the
# decision starts from.
PAIRS = {
    ("UTG", "HJ"): {
        "call": "JJ:0.4, TT:0.7, 99:0.7, 88:0.6, 77:0.5, 66:0.3, AKo:0.2, AQs:0.4, AJs:0.6, ATs:0.5,"
                " KQs:0.5, KJs:0.5, QJs:0.5, JTs:0.4, T9s:0.3, AQo:0.4",
        "3bet": "QQ+, AKs, AKo:0.8, JJ:0.6, TT:0.3, AQs:0.6, AJs:0.3, KQs:0.4, KJs:0.2, A5s:0.5,"
                " A4s:0.4, AQo:0.2",
        "opener call": "QQ:0.5, JJ:0.7, TT:0.8, 99:0.6, 88:0.4, 77:0.3, AKs:0.3, AQs:0.7, AJs:0.8,"
                       " ATs:0.6, KQs:0.8, KJs:0.6, QJs:0.5, JTs:0.5, T9s:0.3, AKo:0.3, AQo:0.5",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.4, A4s:0.3",
        "3bettor call": "KK:0.3, QQ:0.8, JJ:0.5, AKs:0.6, AKo:0.4, AQs:0.3",
    },
    ("UTG", "CO"): {
        "call": "JJ:0.4, TT:0.7, 99:0.8, 88:0.7, 77:0.6, 66:0.4, 55:0.2, AKo:0.2, AQs:0.4, AJs:0.6,"
                " ATs:0.6, KQs:0.5, KJs:0.6, KTs:0.3, QJs:0.6, JTs:0.5, T9s:0.4, 98s:0.2, AQo:0.5",
        "3bet": "QQ+, AKs, AKo:0.8, JJ:0.6, TT:0.3, AQs:0.6, AJs:0.4, KQs:0.5, KJs:0.2, A5s:0.6,"
                " A4s:0.5, A3s:0.2, AQo:0.3",
        "opener call": "QQ:0.5, JJ:0.7, TT:0.8, 99:0.7, 88:0.5, 77:0.4, AKs:0.3, AQs:0.7, AJs:0.8,"
                       " ATs:0.7, KQs:0.8, KJs:0.7, QJs:0.6, JTs:0.6, T9s:0.4, AKo:0.3, AQo:0.6,"
                       " AJo:0.2",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.5, A4s:0.3",
        "3bettor call": "KK:0.3, QQ:0.8, JJ:0.5, AKs:0.6, AKo:0.4, AQs:0.4",
    },
    ("UTG", "BTN"): {
        "call": "JJ:0.5, TT:0.8, 99, 88, 77:0.9, 66:0.8, 55:0.6, 44:0.4, 33:0.3, 22:0.3, AKo:0.2,"
                " AQs:0.5, AJs:0.7, ATs:0.8, A9s:0.4, KQs:0.6, KJs:0.8, KTs:0.6, QJs:0.8, QTs:0.5,"
                " JTs:0.8, J9s:0.3, T9s:0.7, 98s:0.5, 87s:0.4, 76s:0.3, 65s:0.3, AQo:0.6, AJo:0.3,"
                " KQo:0.4",
        "3bet": "QQ+, AKs, AKo:0.8, JJ:0.5, TT:0.2, AQs:0.5, AJs:0.3, KQs:0.4, KJs:0.2, A5s:0.6,"
                " A4s:0.5, A3s:0.3, K9s:0.2, 76s:0.2, 65s:0.2, AQo:0.3",
        "opener call": "QQ:0.5, JJ:0.7, TT:0.8, 99:0.7, 88:0.6, 77:0.5, 66:0.3, AKs:0.3, AQs:0.7,"
                       " AJs:0.8, ATs:0.7, A9s:0.2, KQs:0.8, KJs:0.7, KTs:0.4, QJs:0.6, QTs:0.3,"
                       " JTs:0.6, T9s:0.5, 98s:0.3, AKo:0.3, AQo:0.6, AJo:0.3, KQo:0.2",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.5, A4s:0.4, A3s:0.2",
        "3bettor call": "KK:0.3, QQ:0.8, JJ:0.5, AKs:0.6, AKo:0.4, AQs:0.4",
    },
    ("UTG", "SB"): {
        "call": "JJ:0.4, TT:0.6, 99:0.7, 88:0.6, 77:0.5, 66:0.3, AQs:0.3, AJs:0.5, ATs:0.5, KQs:0.4,"
                " KJs:0.4, QJs:0.4, JTs:0.3, AQo:0.3",
        "3bet": "QQ+, AKs, AKo, JJ:0.6, TT:0.3, AQs:0.7, AJs:0.4, KQs:0.5, KJs:0.2, A5s:0.6, A4s:0.5,"
                " AQo:0.3",
        "opener call": "QQ:0.6, JJ:0.8, TT:0.8, 99:0.6, 88:0.4, 77:0.3, AKs:0.3, AQs:0.8, AJs:0.8,"
                       " ATs:0.6, KQs:0.8, KJs:0.6, QJs:0.5, JTs:0.5, T9s:0.3, AKo:0.4, AQo:0.5",
        "opener 4bet": "KK+, QQ:0.4, AKs:0.7, AKo:0.6, A5s:0.4, A4s:0.3",
        "3bettor call": "QQ:0.6, JJ:0.4, AKs:0.5, AQs:0.3, AKo:0.3",
    },
    ("UTG", "BB"): {
        "call": "JJ:0.6, TT:0.8, 99-22, AKo:0.2, AQs:0.5, AJs:0.7, ATs-A6s, A5s:0.5, A4s:0.6, A3s:0.8,"
                " A2s, KQs:0.7, KJs, KTs, K9s:0.8, K8s:0.6, K7s:0.4, K6s:0.3, QJs, QTs, Q9s:0.9,"
                " Q8s:0.4, JTs, J9s, J8s:0.4, T9s, T8s:0.8, 98s, 97s:0.5, 87s, 86s:0.3, 76s:0.8,"
                " 75s:0.2, 65s:0.8, 54s:0.7, AQo:0.8, AJo:0.9, ATo:0.5, KQo:0.9, KJo:0.6, KTo:0.2,"
                " QJo:0.4, JTo:0.2",
        "3bet": "QQ+, AKs, AKo:0.8, JJ:0.4, TT:0.2, AQs:0.5, AJs:0.3, KQs:0.3, A5s:0.5, A4s:0.4,"
                " A3s:0.2, K9s:0.2, Q9s:0.1, 76s:0.2, 65s:0.2, AQo:0.2",
        "opener call": "QQ:0.6, JJ:0.8, TT:0.8, 99:0.7, 88:0.5, 77:0.4, 66:0.2, AKs:0.3, AQs:0.8,"
                       " AJs:0.8, ATs:0.7, A9s:0.2, KQs:0.8, KJs:0.7, KTs:0.4, QJs:0.6, JTs:0.6,"
                       " T9s:0.4, 98s:0.2, AKo:0.4, AQo:0.6, AJo:0.2",
        "opener 4bet": "KK+, QQ:0.4, AKs:0.7, AKo:0.6, A5s:0.5, A4s:0.4",
        "3bettor call": "QQ:0.6, JJ:0.4, AKs:0.5, AQs:0.3, AKo:0.3",
    },
    ("HJ", "CO"): {
        "call": "JJ:0.3, TT:0.6, 99:0.7, 88:0.7, 77:0.6, 66:0.5, 55:0.3, AQs:0.3, AJs:0.5, ATs:0.6,"
                " A9s:0.3, KQs:0.4, KJs:0.6, KTs:0.4, QJs:0.6, QTs:0.3, JTs:0.6, T9s:0.4, 98s:0.2,"
                " AQo:0.4, AJo:0.3",
        "3bet": "QQ+, AKs, AKo, JJ:0.7, TT:0.4, 99:0.2, AQs:0.7, AJs:0.5, ATs:0.3, KQs:0.6, KJs:0.3,"
                " QJs:0.2, A5s:0.7, A4s:0.6, A3s:0.3, AQo:0.5, AJo:0.2, KQo:0.2",
        "opener call": "QQ:0.5, JJ:0.7, TT:0.8, 99:0.7, 88:0.6, 77:0.4, 66:0.2, AKs:0.3, AQs:0.7,"
                       " AJs:0.8, ATs:0.7, A9s:0.2, KQs:0.8, KJs:0.7, KTs:0.5, QJs:0.6, QTs:0.3,"
                       " JTs:0.6, T9s:0.4, 98s:0.2, AKo:0.3, AQo:0.6, AJo:0.3",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.5, A4s:0.4, A3s:0.2",
        "3bettor call": "KK:0.3, QQ:0.8, JJ:0.6, TT:0.2, AKs:0.6, AKo:0.5, AQs:0.4",
    },
    ("HJ", "BTN"): {
        "call": "JJ:0.4, TT:0.7, 99:0.8, 88, 77, 66:0.9, 55:0.7, 44:0.5, 33:0.4, 22:0.4, AQs:0.4,"
                " AJs:0.6, ATs:0.8, A9s:0.5, KQs:0.5, KJs:0.7, KTs:0.7, K9s:0.3, QJs:0.8, QTs:0.6,"
                " JTs:0.8, J9s:0.4, T9s:0.7, 98s:0.5, 87s:0.4, 76s:0.3, 65s:0.3, AQo:0.6, AJo:0.4,"
                " KQo:0.5",
        "3bet": "QQ+, AKs, AKo, JJ:0.6, TT:0.3, 99:0.2, AQs:0.6, AJs:0.4, ATs:0.2, KQs:0.5, KJs:0.3,"
                " A5s:0.7, A4s:0.6, A3s:0.4, K9s:0.3, 76s:0.2, 65s:0.2, AQo:0.4, AJo:0.2",
        "opener call": "QQ:0.5, JJ:0.7, TT:0.8, 99:0.7, 88:0.6, 77:0.5, 66:0.3, AKs:0.3, AQs:0.7,"
                       " AJs:0.8, ATs:0.7, A9s:0.3, KQs:0.8, KJs:0.7, KTs:0.5, QJs:0.7, QTs:0.4,"
                       " JTs:0.7, T9s:0.5, 98s:0.3, 87s:0.2, AKo:0.3, AQo:0.6, AJo:0.4, KQo:0.3",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.5, A4s:0.4, A3s:0.3",
        "3bettor call": "KK:0.3, QQ:0.8, JJ:0.6, TT:0.2, AKs:0.6, AKo:0.5, AQs:0.4",
    },
    ("HJ", "SB"): {
        "call": "JJ:0.3, TT:0.6, 99:0.7, 88:0.7, 77:0.6, 66:0.4, 55:0.2, AQs:0.2, AJs:0.5, ATs:0.6,"
                " A9s:0.3, KQs:0.4, KJs:0.5, KTs:0.4, QJs:0.6, QTs:0.4, JTs:0.6, T9s:0.4, 98s:0.2,"
                " AQo:0.4, AJo:0.3",
        "3bet": "QQ+, AKs, AKo, JJ:0.7, TT:0.4, 99:0.2, AQs:0.8, AJs:0.5, ATs:0.3, KQs:0.6, KJs:0.4,"
                " QJs:0.2, A5s:0.7, A4s:0.6, A3s:0.3, AQo:0.5, AJo:0.2, KQo:0.2",
        "opener call": "QQ:0.6, JJ:0.8, TT:0.8, 99:0.7, 88:0.6, 77:0.4, 66:0.2, AKs:0.3, AQs:0.8,"
                       " AJs:0.8, ATs:0.7, A9s:0.3, KQs:0.8, KJs:0.7, KTs:0.5, QJs:0.7, QTs:0.4,"
                       " JTs:0.6, T9s:0.4, 98s:0.2, AKo:0.4, AQo:0.6, AJo:0.3",
        "opener 4bet": "KK+, QQ:0.4, AKs:0.7, AKo:0.6, A5s:0.5, A4s:0.4, A3s:0.2",
        "3bettor call": "QQ:0.7, JJ:0.5, TT:0.2, AKs:0.5, AQs:0.4, AKo:0.4",
    },
    ("HJ", "BB"): {
        "call": "JJ:0.5, TT:0.7, 99-22, AKo:0.1, AQs:0.4, AJs:0.6, ATs-A6s, A5s:0.4, A4s:0.5,"
                " A3s:0.7, A2s, KQs:0.6, KJs:0.8, KTs, K9s:0.7, K8s:0.8, K7s:0.6, K6s:0.5, K5s:0.3,"
                " QJs, QTs, Q9s:0.8, Q8s:0.6, Q7s:0.2, JTs, J9s:0.8, J8s:0.6, T9s, T8s, T7s:0.3, 98s,"
                " 97s:0.7, 87s, 86s:0.5, 76s:0.7, 75s:0.4, 65s:0.7, 64s:0.2, 54s:0.8, 53s:0.2,"
                " AQo:0.7, AJo:0.9, ATo:0.7, A9o:0.2, KQo, KJo:0.8, KTo:0.4, QJo:0.7, QTo:0.3,"
                " JTo:0.4",
        "3bet": "QQ+, AKs, AKo:0.9, JJ:0.5, TT:0.3, AQs:0.6, AJs:0.4, KQs:0.4, KJs:0.2, A5s:0.6,"
                " A4s:0.5, A3s:0.3, K9s:0.3, Q9s:0.2, J9s:0.2, 76s:0.3, 65s:0.3, 54s:0.2, AQo:0.3,"
                " AJo:0.1",
        "opener call": "QQ:0.6, JJ:0.8, TT:0.8, 99:0.7, 88:0.6, 77:0.5, 66:0.3, AKs:0.3, AQs:0.8,"
                       " AJs:0.8, ATs:0.7, A9s:0.3, KQs:0.8, KJs:0.7, KTs:0.5, QJs:0.7, QTs:0.4,"
                       " JTs:0.7, T9s:0.5, 98s:0.3, AKo:0.4, AQo:0.6, AJo:0.3",
        "opener 4bet": "KK+, QQ:0.4, AKs:0.7, AKo:0.6, A5s:0.5, A4s:0.4, A3s:0.2",
        "3bettor call": "QQ:0.7, JJ:0.5, TT:0.2, AKs:0.5, AQs:0.4, AKo:0.4",
    },
    ("CO", "BTN"): {
        "call": "JJ:0.2, TT:0.5, 99:0.7, 88:0.9, 77, 66, 55:0.8, 44:0.6, 33:0.5, 22:0.5, AQs:0.2,"
                " AJs:0.4, ATs:0.6, A9s:0.7, A8s:0.5, A7s:0.3, KQs:0.3, KJs:0.5, KTs:0.7, K9s:0.5,"
                " QJs:0.6, QTs:0.8, Q9s:0.5, JTs:0.7, J9s:0.6, T9s:0.8, T8s:0.4, 98s:0.7, 97s:0.2,"
                " 87s:0.6, 76s:0.5, 65s:0.5, 54s:0.3, AQo:0.4, AJo:0.5, ATo:0.3, KQo:0.6, KJo:0.3",
        "3bet": "QQ+, AKs, AKo, JJ:0.8, TT:0.5, 99:0.3, AQs:0.8, AJs:0.6, ATs:0.4, A9s:0.2, KQs:0.7,"
                " KJs:0.5, KTs:0.3, QJs:0.4, QTs:0.2, JTs:0.3, A5s:0.8, A4s:0.7, A3s:0.5, A2s:0.3,"
                " K9s:0.3, 76s:0.3, 65s:0.3, AQo:0.6, AJo:0.4, KQo:0.3",
        "opener call": "QQ:0.5, JJ:0.7, TT:0.8, 99:0.8, 88:0.7, 77:0.6, 66:0.4, 55:0.2, AKs:0.3,"
                       " AQs:0.7, AJs:0.8, ATs:0.8, A9s:0.4, A8s:0.2, KQs:0.8, KJs:0.8, KTs:0.6,"
                       " K9s:0.3, QJs:0.8, QTs:0.6, Q9s:0.2, JTs:0.8, J9s:0.3, T9s:0.6, 98s:0.4,"
                       " 87s:0.3, 76s:0.2, AKo:0.3, AQo:0.7, AJo:0.5, ATo:0.2, KQo:0.5, KJo:0.2",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.6, A4s:0.5, A3s:0.3, K9s:0.2",
        "3bettor call": "KK:0.3, QQ:0.8, JJ:0.7, TT:0.4, AKs:0.6, AKo:0.5, AQs:0.5, AJs:0.2, KQs:0.2",
    },
    ("CO", "SB"): {
        "call": "JJ:0.2, TT:0.4, 99:0.6, 88:0.7, 77:0.7, 66:0.6, 55:0.5, 44:0.3, AJs:0.3, ATs:0.5,"
                " A9s:0.5, A8s:0.4, KQs:0.2, KJs:0.4, KTs:0.5, QJs:0.6, QTs:0.5, JTs:0.7, J9s:0.3,"
                " T9s:0.5, 98s:0.4, 87s:0.3, 76s:0.2, AQo:0.3, AJo:0.4, KQo:0.4",
        "3bet": "QQ+, AKs, AKo, JJ:0.8, TT:0.6, 99:0.4, 88:0.2, AQs, AJs:0.7, ATs:0.5, A9s:0.3,"
                " KQs:0.8, KJs:0.6, KTs:0.4, QJs:0.4, QTs:0.3, JTs:0.3, A5s:0.8, A4s:0.7, A3s:0.4,"
                " A2s:0.3, K9s:0.3, T9s:0.2, AQo:0.7, AJo:0.4, ATo:0.2, KQo:0.4, KJo:0.2",
        "opener call": "QQ:0.6, JJ:0.8, TT:0.8, 99:0.8, 88:0.7, 77:0.6, 66:0.4, 55:0.2, AKs:0.3,"
                       " AQs:0.8, AJs:0.8, ATs:0.8, A9s:0.4, A8s:0.2, KQs:0.8, KJs:0.8, KTs:0.6,"
                       " K9s:0.3, QJs:0.8, QTs:0.6, JTs:0.8, J9s:0.3, T9s:0.6, 98s:0.4, 87s:0.3,"
                       " AKo:0.4, AQo:0.7, AJo:0.5, KQo:0.5",
        "opener 4bet": "KK+, QQ:0.4, AKs:0.7, AKo:0.6, A5s:0.6, A4s:0.5, A3s:0.3, K9s:0.2",
        "3bettor call": "KK:0.2, QQ:0.8, JJ:0.6, TT:0.3, AKs:0.6, AKo:0.4, AQs:0.5, AJs:0.2",
    },
    ("CO", "BB"): {
        "call": "JJ:0.4, TT:0.6, 99:0.8, 88-22, AQs:0.3, AJs:0.5, ATs:0.7, A9s-A6s, A5s:0.3,"
                " A4s:0.4, A3s:0.6, A2s:0.7, KQs:0.5, KJs:0.7, KTs:0.9, K9s:0.6, K8s:0.8, K7s:0.8,"
                " K6s:0.7, K5s:0.6, K4s:0.4, K3s:0.2, QJs, QTs, Q9s:0.7, Q8s:0.8, Q7s:0.5, Q6s:0.3,"
                " JTs, J9s:0.7, J8s:0.8, J7s:0.4, T9s, T8s:0.8, T7s:0.6, 98s, 97s:0.8, 96s:0.3, 87s,"
                " 86s:0.7, 85s:0.2, 76s:0.6, 75s:0.6, 65s:0.6, 64s:0.4, 54s:0.7, 53s:0.3, 43s:0.2,"
                " AQo:0.5, AJo:0.7, ATo:0.9, A9o:0.5, A8o:0.2, KQo:0.8, KJo:0.9, KTo:0.7, K9o:0.2,"
                " QJo:0.9, QTo:0.6, JTo:0.7, J9o:0.2, T9o:0.4, 98o:0.2",
        "3bet": "QQ+, AKs, AKo, JJ:0.6, TT:0.4, 99:0.2, AQs:0.7, AJs:0.5, ATs:0.3, KQs:0.5, KJs:0.3,"
                " A5s:0.7, A4s:0.6, A3s:0.4, A2s:0.3, K9s:0.4, K8s:0.2, Q9s:0.3, J9s:0.3, T8s:0.2,"
                " 76s:0.4, 65s:0.4, 54s:0.3, AQo:0.5, AJo:0.3, KQo:0.2",
        "opener call": "QQ:0.6, JJ:0.8, TT:0.8, 99:0.8, 88:0.7, 77:0.6, 66:0.5, 55:0.3, AKs:0.3,"
                       " AQs:0.8, AJs:0.8, ATs:0.8, A9s:0.5, A8s:0.3, KQs:0.8, KJs:0.8, KTs:0.7,"
                       " K9s:0.4, QJs:0.8, QTs:0.7, Q9s:0.2, JTs:0.8, J9s:0.4, T9s:0.7, 98s:0.5,"
                       " 87s:0.4, 76s:0.3, AKo:0.4, AQo:0.7, AJo:0.5, ATo:0.2, KQo:0.5",
        "opener 4bet": "KK+, QQ:0.4, AKs:0.7, AKo:0.6, A5s:0.6, A4s:0.5, A3s:0.3, K9s:0.2",
        "3bettor call": "KK:0.2, QQ:0.8, JJ:0.6, TT:0.3, AKs:0.6, AKo:0.4, AQs:0.5, AJs:0.2",
    },
    ("BTN", "SB"): {
        "call": "99:0.3, 88:0.5, 77:0.6, 66:0.6, 55:0.5, 44:0.4, 33:0.3, 22:0.3, ATs:0.2, A9s:0.4,"
                " A8s:0.4, A7s:0.4, A6s:0.3, KTs:0.4, K9s:0.4, QTs:0.4, Q9s:0.3, JTs:0.5, J9s:0.4,"
                " T9s:0.6, T8s:0.3, 98s:0.6, 87s:0.5, 76s:0.4, 65s:0.3, AJo:0.3, ATo:0.3, KQo:0.3,"
                " KJo:0.2",
        "3bet": "TT+, AJs+, AQo+, 99:0.7, 88:0.5, 77:0.3, ATs:0.8, A9s:0.5, A8s:0.4, A7s:0.3, A5s,"
                " A4s:0.8, A3s:0.6, A2s:0.5, KQs, KJs:0.8, KTs:0.6, K9s:0.4, QJs:0.7, QTs:0.5,"
                " JTs:0.5, T9s:0.3, 98s:0.2, AJo:0.7, ATo:0.4, KQo:0.7, KJo:0.4, QJo:0.2",
        "opener call": "QQ:0.5, JJ:0.8, TT:0.9, 99-66, 55:0.9, 44:0.8, 33:0.7, 22:0.7, AKs:0.3, AQs:0.8,"
                       " AJs:0.9, ATs:0.9, A9s:0.8, A8s:0.8, A7s:0.7, A6s:0.6, A5s:0.5, A4s:0.5, A3s:0.4,"
                       " A2s:0.3, KQs:0.9, KJs:0.9, KTs:0.9, K9s:0.7, K8s:0.6, K7s:0.5, K6s:0.4, K5s:0.3,"
                       " QJs:0.9, QTs:0.9, Q9s:0.8, Q8s:0.5, JTs:0.9, J9s:0.8, J8s:0.5, T9s:0.9, T8s:0.7,"
                       " 98s:0.9, 97s:0.5, 87s:0.8, 86s:0.3, 76s:0.7, 65s:0.6, 54s:0.5, AKo:0.3, AQo:0.8,"
                       " AJo:0.8, ATo:0.6, A9o:0.3, KQo:0.8, KJo:0.6, KTo:0.4, QJo:0.5, QTo:0.3, JTo:0.4",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.5, A4s:0.5, A3s:0.4, A2s:0.3, K9s:0.3,"
                       " K8s:0.2, Q9s:0.2, J9s:0.2",
        "3bettor call": "KK:0.2, QQ:0.7, JJ:0.8, TT:0.6, 99:0.2, AKs:0.6, AKo:0.5, AQs:0.7, AJs:0.4,"
                        " KQs:0.4, AQo:0.2",
    },
    ("BTN", "BB"): {
        "call": "JJ:0.2, TT:0.4, 99:0.6, 88:0.8, 77-22, AQs:0.1, AJs:0.3, ATs:0.5, A9s-A6s, A5s:0.2,"
                " A4s:0.3, A3s:0.4, A2s:0.5, KQs:0.3, KJs:0.5, KTs:0.7, K9s:0.5, K8s:0.6, K7s:0.7,"
                " K6s-K2s, QJs, QTs, Q9s:0.5, Q8s:0.7, Q7s-Q3s, Q2s:0.6, JTs, J9s:0.5, J8s:0.7,"
                " J7s-J4s, J3s:0.6, J2s:0.4, T9s, T8s:0.6, T7s-T5s, T4s:0.6, T3s:0.3, 98s, 97s:0.7,"
                " 96s, 95s:0.7, 94s:0.2, 87s, 86s:0.7, 85s, 84s:0.4, 76s:0.5, 75s, 74s:0.8, 65s:0.5,"
                " 64s, 63s:0.5, 54s:0.5, 53s, 52s:0.4, 43s, 42s:0.3, AQo:0.2, AJo:0.4, ATo:0.6,"
                " A9o-A6o, A5o:0.7, A4o:0.9, A3o:0.7, A2o:0.6, KQo:0.4, KJo:0.6, KTo, K9o:0.8,"
                " K8o:0.9, K7o:0.7, K6o:0.5, K5o:0.4, K4o:0.2, QJo:0.7, QTo, Q9o, Q8o:0.7, Q7o:0.3,"
                " JTo, J9o, J8o:0.7, J7o:0.2, T9o, T8o:0.8, T7o:0.3, 98o:0.9, 97o:0.4, 87o:0.7,"
                " 86o:0.2, 76o:0.5, 65o:0.3",
        "3bet": "QQ+, AKs, AKo, JJ:0.8, TT:0.6, 99:0.4, 88:0.2, AQs:0.9, AJs:0.7, ATs:0.5, KQs:0.7,"
                " KJs:0.5, KTs:0.3, A5s:0.8, A4s:0.7, A3s:0.6, A2s:0.5, K9s:0.5, K8s:0.4, K7s:0.3,"
                " Q9s:0.5, Q8s:0.3, J9s:0.5, J8s:0.3, T8s:0.4, 97s:0.3, 86s:0.3, 76s:0.5, 65s:0.5,"
                " 54s:0.5, AQo:0.8, AJo:0.6, ATo:0.4, KQo:0.6, KJo:0.4, QJo:0.3, A5o:0.3, K9o:0.2",
        "opener call": "QQ:0.5, JJ:0.8, TT:0.9, 99-66, 55:0.9, 44:0.8, 33:0.7, 22:0.7, AKs:0.3, AQs:0.8,"
                       " AJs:0.9, ATs:0.9, A9s:0.8, A8s:0.8, A7s:0.7, A6s:0.6, A5s:0.5, A4s:0.5, A3s:0.4,"
                       " A2s:0.3, KQs:0.9, KJs:0.9, KTs:0.9, K9s:0.7, K8s:0.6, K7s:0.5, K6s:0.4, K5s:0.3,"
                       " QJs:0.9, QTs:0.9, Q9s:0.8, Q8s:0.5, JTs:0.9, J9s:0.8, J8s:0.5, T9s:0.9, T8s:0.7,"
                       " 98s:0.9, 97s:0.5, 87s:0.8, 86s:0.3, 76s:0.7, 65s:0.6, 54s:0.5, AKo:0.3, AQo:0.8,"
                       " AJo:0.8, ATo:0.6, A9o:0.3, KQo:0.8, KJo:0.6, KTo:0.4, QJo:0.5, QTo:0.3, JTo:0.4",
        "opener 4bet": "KK+, QQ:0.5, AKs:0.7, AKo:0.7, A5s:0.5, A4s:0.5, A3s:0.4, A2s:0.3, K9s:0.3,"
                       " K8s:0.2, Q9s:0.2, J9s:0.2",
        "3bettor call": "KK:0.2, QQ:0.7, JJ:0.7, TT:0.5, 99:0.2, AKs:0.6, AKo:0.5, AQs:0.7, AJs:0.4,"
                        " KQs:0.4, AQo:0.3",
    },
    ("SB", "BB"): {
        "call": "JJ:0.2, TT:0.4, 99:0.6, 88:0.8, 77-22, AJs:0.3, ATs:0.5, A9s:0.7, A8s-A6s, A5s:0.2,"
                " A4s:0.3, A3s:0.5, A2s:0.6, KQs:0.3, KJs:0.5, KTs:0.7, K9s:0.6, K8s:0.7, K7s-K2s,"
                " QJs:0.6, QTs, Q9s:0.6, Q8s-Q2s, JTs, J9s:0.6, J8s-J3s, J2s:0.6, T9s, T8s:0.7,"
                " T7s-T4s, T3s:0.6, T2s:0.3, 98s, 97s:0.7, 96s-94s, 93s:0.4, 87s, 86s, 85s, 84s:0.6,"
                " 76s:0.6, 75s, 74s, 73s:0.4, 65s:0.6, 64s, 63s:0.7, 54s:0.6, 53s, 52s:0.5, 43s,"
                " 42s:0.5, 32s:0.3, AQo:0.2, AJo:0.4, ATo:0.6, A9o-A2o, KQo:0.4, KJo:0.6, KTo,"
                " K9o:0.8, K8o-K5o, K4o:0.8, K3o:0.6, K2o:0.4, QJo:0.7, QTo, Q9o:0.8, Q8o, Q7o:0.8,"
                " Q6o:0.5, Q5o:0.3, JTo, J9o, J8o, J7o:0.6, J6o:0.2, T9o, T8o, T7o:0.6, T6o:0.2, 98o,"
                " 97o:0.8, 96o:0.3, 87o, 86o:0.6, 76o:0.8, 75o:0.3, 65o:0.6, 54o:0.3",
        "3bet": "QQ+, AKs, AKo, JJ:0.8, TT:0.6, 99:0.4, 88:0.2, AQs, AJs:0.7, ATs:0.5, A9s:0.3,"
                " KQs:0.7, KJs:0.5, KTs:0.3, QJs:0.4, A5s:0.8, A4s:0.7, A3s:0.5, A2s:0.4, K9s:0.4,"
                " K8s:0.3, Q9s:0.4, J9s:0.4, T8s:0.3, 97s:0.3, 76s:0.4, 65s:0.4, 54s:0.4, AQo:0.8,"
                " AJo:0.6, ATo:0.4, KQo:0.6, KJo:0.4, QJo:0.3, K9o:0.2, Q9o:0.2",
        "opener call": "QQ:0.4, JJ:0.8, TT:0.9, 99:0.9, 88-66, 55:0.9, 44:0.8, 33:0.6, 22:0.6, AKs:0.3,"
                       " AQs:0.7, AJs:0.9, ATs:0.9, A9s:0.8, A8s:0.7, A7s:0.6, A6s:0.5, A5s:0.5, A4s:0.5,"
                       " A3s:0.5, A2s:0.4, KQs:0.9, KJs:0.9, KTs:0.9, K9s:0.7, K8s:0.5, K7s:0.4, K6s:0.3,"
                       " QJs:0.9, QTs:0.9, Q9s:0.7, Q8s:0.4, JTs:0.9, J9s:0.8, J8s:0.4, T9s:0.9, T8s:0.8,"
                       " 98s:0.8, 97s:0.4, 87s:0.8, 76s:0.7, 65s:0.6, 54s:0.5, AKo:0.3, AQo:0.8, AJo:0.8,"
                       " ATo:0.6, A9o:0.3, KQo:0.8, KJo:0.6, KTo:0.4, QJo:0.5, QTo:0.3, JTo:0.3",
        "opener 4bet": "KK+, QQ:0.6, AKs:0.7, AKo:0.7, A5s:0.5, A4s:0.5, A3s:0.4, A2s:0.3, K9s:0.3,"
                       " K8s:0.3, Q9s:0.3, J9s:0.2, T8s:0.2",
        "3bettor call": "KK:0.2, QQ:0.7, JJ:0.8, TT:0.6, 99:0.3, AKs:0.6, AKo:0.5, AQs:0.8, AJs:0.5,"
                        " ATs:0.2, KQs:0.5, KJs:0.2, AQo:0.4, AJo:0.1",
    },
}

# ---------------------------------------------------------------------------
# Heads-up ranges without rake (the small blind is the button)
# ---------------------------------------------------------------------------

HEADS_UP = {
    "SB open": "22+, A2s+, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+, 32s, A2o+,"
               " K2o+, Q2o+, J3o+, J2o:0.6, T5o+, T4o:0.6, T3o:0.4, T2o:0.3, 95o+, 94o:0.4, 85o+,"
               " 84o:0.4, 74o+, 73o:0.3, 64o+, 63o:0.3, 53o+, 43o:0.6, 52o:0.3, 42o:0.2",
    "BB call": "JJ:0.2, TT:0.4, 99:0.6, 88:0.8, 77-22, ATs:0.3, A9s:0.5, A8s:0.6, A7s-A6s, A4s:0.2,"
               " A3s:0.4, A2s:0.5, KJs:0.2, KTs:0.5, K9s:0.6, K8s:0.7, K7s:0.7, K6s-K2s, QJs:0.4,"
               " QTs:0.6, Q9s:0.7, Q8s-Q2s, JTs:0.6, J9s:0.7, J8s-J3s, J2s:0.7, T9s:0.7, T8s-T4s,"
               " T3s:0.7, T2s:0.5, 98s:0.7, 97s-95s, 94s:0.7, 93s:0.5, 92s:0.3, 87s:0.7, 86s-84s,"
               " 83s:0.5, 82s:0.3, 76s:0.7, 75s, 74s, 73s:0.6, 72s:0.2, 65s:0.7, 64s, 63s:0.8,"
               " 62s:0.3, 54s:0.7, 53s, 52s:0.7, 43s, 42s:0.6, 32s:0.5, AJo:0.3, ATo:0.5, A9o:0.7,"
               " A8o-A6o, A5o:0.7, A4o:0.8, A3o, A2o, KQo:0.2, KJo:0.5, KTo:0.7, K9o:0.8, K8o-K5o,"
               " K4o:0.8, K3o:0.6, K2o:0.5, QJo:0.6, QTo, Q9o, Q8o, Q7o:0.9, Q6o:0.7, Q5o:0.5,"
               " Q4o:0.3, Q3o:0.2, JTo:0.8, J9o, J8o, J7o:0.8, J6o:0.4, J5o:0.2, T9o, T8o, T7o:0.8,"
               " T6o:0.4, T5o:0.2, 98o, 97o:0.9, 96o:0.5, 95o:0.2, 87o, 86o:0.8, 85o:0.4, 76o:0.9,"
               " 75o:0.5, 65o:0.8, 64o:0.3, 54o:0.6, 53o:0.2",
    "BB 3bet": "QQ+, AKs, AKo, JJ:0.8, TT:0.6, 99:0.4, 88:0.2, AQs, AJs, ATs:0.7, A9s:0.5, A8s:0.4,"
               " KQs, KJs:0.8, KTs:0.5, K9s:0.4, QJs:0.6, QTs:0.4, JTs:0.4, A5s, A4s:0.8, A3s:0.6,"
               " A2s:0.5, K8s:0.3, K7s:0.3, Q9s:0.3, J9s:0.3, T9s:0.3, 98s:0.3, 87s:0.3, 76s:0.3,"
               " 65s:0.3, 54s:0.3, AQo, AJo:0.7, ATo:0.5, A9o:0.3, KQo:0.8, KJo:0.5, KTo:0.3,"
               " QJo:0.4, JTo:0.2, A5o:0.3, A4o:0.2, K9o:0.2",
    "SB call 3bet": "QQ:0.4, JJ:0.8, TT-22, AKs:0.3, AQs:0.7, AJs-A6s, A5s:0.5, A4s:0.6, A3s:0.7,"
                    " A2s:0.7, KQs:0.9, KJs-K2s, K5s:0.8, K4s:0.7, K3s:0.8, QJs-Q4s, Q6s:0.8, Q3s:0.6,"
                    " Q2s:0.4, JTs-J6s, J7s:0.8, J5s:0.6, J4s:0.3, T9s-T6s, T5s:0.4, 98s-96s, 95s:0.4,"
                    " 87s-85s, 84s:0.3, 76s-74s, 65s-63s, 54s, 53s, 43s:0.7, AKo:0.3, AQo:0.8, AJo-A8o,"
                    " A7o:0.9, A6o:0.7, A5o:0.7, A4o:0.6, A3o:0.5, A2o:0.4, KQo-K9o, K8o:0.8, K7o:0.6,"
                    " K6o:0.4, K5o:0.3, QJo-Q9o, Q8o:0.7, Q7o:0.3, JTo-J9o, J8o:0.7, J7o:0.3, T9o,"
                    " T8o:0.8, T7o:0.3, 98o:0.8, 97o:0.4, 87o:0.6, 76o:0.4, 65o:0.3",
    "SB 4bet": "KK+, QQ:0.6, AKs:0.7, AKo:0.7, JJ:0.2, A5s:0.5, A4s:0.4, A3s:0.3, A2s:0.3, K5s:0.2,"
               " K4s:0.3, K3s:0.2, Q6s:0.2, J7s:0.2, AQo:0.2, A4o:0.2, A3o:0.2",
    "BB call 4bet": "KK:0.2, QQ:0.7, JJ:0.7, TT:0.5, 99:0.2, AKs:0.6, AKo:0.5, AQs:0.8, AJs:0.5,"
                    " ATs:0.2, KQs:0.5, KJs:0.2, AQo:0.4, AJo:0.2",
}


# ---------------------------------------------------------------------------
# Population ranges
# ---------------------------------------------------------------------------

# Each leaf is (template value, what the shipped file adds). The template
# value has no weights and is what the page builds in code; the file's value
# is the template value followed by the additions (a later token overwrites
# an earlier one, so "77:0.5" after "22+" mixes 77). "BU" holds additions for
# the button folder of the file only: in the template the button takes the
# "UTG/HJ/CO" values.
PASSIVE = {
    "tight": {
        "UTG/HJ/CO": {
            "Limp": ("22-66, A2s-A5s, 54s-98s, T9s, JTs, QJs, KQs", "77:0.5, KJs:0.5, A9s:0.3"),
            "Limp-call": ("22-66, A2s-A5s, 65s-98s, T9s, JTs, QJs, KQs", "54s:0.5, KJs:0.4"),
            "Limp-3b": ("QQ+, AKs, AKo", ""),
            "RFI": ("22+, AJs+, KQs, AQo+, AKo", "22:0.5, 33:0.5, ATs:0.5, AJo:0.3"),
            "3b": ("QQ+, AKs, AKo", "JJ:0.5"),
            "Call 3b": ("99-QQ, AQs+, AKo", "88:0.5, AJs:0.5, KQs:0.5"),
            "4b": ("KK+, AKs", "AKo:0.5"),
            "Call 4b": ("QQ-KK, AKs", "JJ:0.3, AKo:0.5"),
        },
        "SB": {
            "Limp": ("22-88, A2s-A9s, K9s-KJs, Q9s-QJs, J9s-JTs, T9s, 98s, 87s, 76s, ATo-AJo, KJo-KQo,"
                     " QJo", "K8s:0.5, 65s:0.5, A9o:0.3"),
            "Limp-3b": ("QQ+, AKs, AKo", ""),
            "RFI": ("55+, ATs+, KJs+, AJo+, KQo", "44:0.5, A9s:0.5, QJs:0.5"),
            "3b": ("QQ+, AKs, AKo", "JJ:0.5, AQs:0.3"),
            "4b": ("KK+, AKs", "AKo:0.5"),
            "Call 3b": ("77-QQ, AJs-AQs, KQs, AQo-AKo", "66:0.5, ATs:0.5"),
            "Call 4b": ("QQ, AKs, AKo", "JJ:0.4"),
        },
        "BB": {
            "Check back": ("22-JJ, A2s-AQs, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+,"
                           " 32s, A2o-AQo, K2o+, Q2o+, J2o+, T2o+, 92o+, 82o+, 72o+, 62o+, 52o+, 42o+,"
                           " 32o", "JJ:0.5, AQs:0.5"),
            "Call raise": ("22-TT, A2s-AJs, KTs+, QTs+, J9s+, T9s, 98s, 87s, 76s, 65s, ATo-AJo, KJo+, QJo",
                           "54s:0.5, K9s:0.5, A9o:0.3"),
            "3b": ("TT+, AQs+, AKo, AKs, A5s-A4s", "AQo:0.3"),
            "Call 4b": ("JJ-QQ, AKs, AKo", "TT:0.3"),
        },
        "3b cold call": ("99-JJ, AQs, KQs", "88:0.5, AJs:0.5, AQo:0.3"),
    },
    "neutral": {
        "UTG/HJ/CO": {
            "Limp": ("22-77, A2s-A9s, K9s-KJs, Q9s-QJs, J9s-JTs, T8s+, 97s+, 86s+, 75s+, 64s+, 54s,"
                     " ATo-AJo, KJo, QJo", "88:0.5, K8s:0.5, KTo:0.5"),
            "Limp-call": ("22-88, A2s-A9s, K9s+, Q9s+, J9s+, T9s, 98s, 87s, 76s, 65s, ATo-AJo, KJo-KQo,"
                          " QJo", "ATs:0.5, KTo:0.4"),
            "Limp-3b": ("QQ+, AKs, AKo", "JJ:0.3"),
            "RFI": ("22+, ATs+, KTs+, QTs+, JTs, AJo+, KQo", "A9s:0.5, T9s:0.5, ATo:0.5, KJo:0.5"),
            "3b": ("99+, AJs+, KQs, AQo+, AKo", "88:0.5, ATs:0.3"),
            "Call 3b": ("88-QQ, ATs-AQs, KJs+, QJs, AQo", "77:0.5, JTs:0.5, AJo:0.3"),
            "4b": ("KK+, AKs, AKo", "QQ:0.5"),
            "Call 4b": ("JJ-QQ, AKs, AKo", "TT:0.4, AQs:0.5"),
        },
        "SB": {
            "Limp": ("22-99, A2s-A9s, K7s-KJs, Q8s-QJs, J8s-JTs, T8s+, 97s+, 86s+, 75s+, 65s, 54s,"
                     " A7o-AJo, KTo-KQo, QTo-QJo, JTo", "K6s:0.5, 64s:0.5, A6o:0.3"),
            "Limp-3b": ("JJ+, AKs, AKo, AQs", ""),
            "RFI": ("44+, A8s+, KTs+, QTs+, JTs, ATo+, KJo+", "33:0.5, A7s:0.5, K9s:0.5, QJo:0.5"),
            "3b": ("TT+, AQs+, AKo, AQo", "99:0.5, AJs:0.5"),
            "4b": ("KK+, AKs, AKo", "QQ:0.5"),
            "Call 3b": ("77-QQ, ATs-AQs, KJs+, QJs, AJo-AQo", "66:0.5, JTs:0.5"),
            "Call 4b": ("JJ-QQ, AKo, AQs", "TT:0.4"),
        },
        "BB": {
            "Check back": ("22-TT, A2s-AJs, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+,"
                           " 32s, A2o-AJo, K2o+, Q2o+, J2o+, T2o+, 92o+, 82o+, 72o+, 62o+, 52o+, 42o+,"
                           " 32o", "TT:0.5, AJs:0.5, AQo:0.5"),
            "Call raise": ("22-TT, A2s-AJs, K8s+, Q9s+, J9s+, T8s+, 97s+, 87s, 76s, 65s, 54s, A9o-AJo,"
                           " KTo+, QTo+, JTo", "K7s:0.5, 86s:0.5, A8o:0.3"),
            "3b": ("JJ+, AQs+, AKo, A5s", "TT:0.5, A4s:0.5"),
            "Call 4b": ("JJ-QQ, AKs, AKo", "TT:0.3"),
        },
        "3b cold call": ("88-JJ, AJs+, KQs, AKo", "77:0.5, ATs:0.5, AQo:0.4"),
    },
    "loose": {
        "UTG/HJ/CO": {
            "Limp": ("22-99, A2s-ATs, K5s-KJs, Q7s-QJs, J7s-JTs, T7s+, 96s+, 85s+, 74s+, 63s+, 53s+,"
                     " 43s, A2o-AJo, K9o-KQo, Q9o-QJo, J9o-JTo, T9o, 98o", "TT:0.5, K4s:0.5, K8o:0.5"),
            "Limp-call": ("22-99, A2s-ATs, K7s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, A5o-AJo,"
                          " KTo+, QTo+, JTo", "K6s:0.5, K9o:0.5, T9o:0.5"),
            "Limp-3b": ("KK+, AKs", "QQ:0.5, AKo:0.5"),
            "RFI": ("22+, A8s+, K9s+, Q9s+, J9s+, T9s, 98s, ATo+, KJo+, QJo", "A7s:0.5, 87s:0.5, KTo:0.5"),
            "3b": ("TT+, AQs+, AKo, AQo", "99:0.5, AJs:0.5, KQs:0.3"),
            "Call 3b": ("66-QQ, A9s-AQs, KTs+, QTs+, JTs, T9s, AJo-AQo, KQo", "55:0.5, 98s:0.5, ATo:0.3"),
            "4b": ("KK+, AKs, AKo, AQs, A5s-A4s", "QQ:0.5"),
            "Call 4b": ("TT-QQ, AJs-AQs, AQo-AKo", "99:0.3, KQs:0.3"),
        },
        "SB": {
            "Limp": ("22-TT, A2s-AJs, K2s-KJs, Q5s-QJs, J7s-JTs, T7s+, 96s+, 85s+, 74s+, 63s+, 53s+,"
                     " 43s, A2o-AJo, K8o-KQo, Q9o-QJo, J9o-JTo, T9o, 98o, 87o", "JJ:0.3, Q4s:0.5"),
            "Limp-3b": ("KK+, AKs, AKo", "QQ:0.5"),
            "RFI": ("33+, A5s+, K9s+, Q9s+, J9s+, T9s, A9o+, KTo+, QJo", "22:0.5, A4s:0.5, 98s:0.5"),
            "3b": ("TT+, AJs+, KQs, AQo+", "99:0.5, ATs:0.3"),
            "4b": ("KK+, AKs, AKo", "QQ:0.5, A5s:0.3"),
            "Call 3b": ("55-QQ, A8s-AQs, KTs+, QTs+, JTs, T9s, ATo-AQo, KQo", "44:0.5, 98s:0.5"),
            "Call 4b": ("TT-QQ, AQs, AQo-AKo", "AJs:0.5"),
        },
        "BB": {
            "Check back": ("22-QQ, A2s-AQs, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+,"
                           " 32s, A2o-AKo, K2o+, Q2o+, J2o+, T2o+, 92o+, 82o+, 72o+, 62o+, 52o+, 42o+,"
                           " 32o", "QQ:0.5, AKo:0.5"),
            "Call raise": ("22-JJ, A2s-AQs, K5s+, Q7s+, J7s+, T7s+, 96s+, 85s+, 75s+, 64s+, 54s, A5o-AQo,"
                           " K9o+, Q9o+, J9o+, T9o", "K4s:0.5, A4o:0.5, 98o:0.5"),
            "3b": ("QQ+, AKs, AKo", "JJ:0.5, AQs:0.5"),
            "Call 4b": ("QQ, AKs, AKo", "JJ:0.5"),
        },
        "3b cold call": ("66-JJ, ATs-AQs, KJs+, QJs, AQo-AKo", "55:0.5, JTs:0.5, AJo:0.3"),
    },
    "extreme": {
        "UTG/HJ/CO": {
            "Limp": ("22+, A2s+, K2s+, Q2s+, J4s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+, K5o+,"
                     " Q8o+, J8o+, T8o+, 97o+, 87o, 76o, 65o", "J3s:0.5, 95s:0.5, K4o:0.5, Q7o:0.5"),
            "Limp-call": ("22+, A2s+, K2s+, Q5s+, J7s+, T7s+, 97s+, 86s+, 75s+, 64s+, 54s, A2o+, K8o+,"
                          " Q9o+, J9o+, T9o, 98o", "Q4s:0.5, 87o:0.5"),
            "Limp-3b": ("QQ+, AKs, AKo", "JJ:0.3"),
            "RFI": ("22+, A2s+, K7s+, Q8s+, J8s+, T8s+, 98s, 87s, A7o+, KTo+, QTo+, JTo",
                    "K6s:0.5, 76s:0.5, A5o:0.5"),
            "3b": ("TT+, AJs+, KQs, AQo+", "99:0.5, ATs:0.5, KJs:0.3"),
            "Call 3b": ("22-QQ, A2s-AQs, K8s+, Q9s+, J9s+, T9s, 98s, 87s, ATo-AQo, KJo+, QJo",
                        "K7s:0.5, 76s:0.5, A9o:0.5"),
            "4b": ("QQ+, AKs, AKo, A5s-A2s", "JJ:0.3"),
            "Call 4b": ("TT-JJ, AJs-AQs, KQs, AQo", "99:0.5, AJo:0.3"),
        },
        "SB": {
            "Limp": ("22+, A2s+, K2s+, Q2s+, J2s+, T4s+, 94s+, 84s+, 74s+, 63s+, 53s+, 43s, A2o+, K2o+,"
                     " Q6o+, J7o+, T7o+, 97o+, 86o+, 76o, 65o", "T3s:0.5, 73s:0.5, Q5o:0.5"),
            "Limp-3b": ("QQ+, AKs, AKo", "JJ:0.3"),
            "RFI": ("22+, A2s+, K5s+, Q8s+, J8s+, T8s+, 97s+, 87s, 76s, A5o+, K9o+, QTo+, JTo",
                    "K4s:0.5, 65s:0.5, A4o:0.5"),
            "3b": ("99+, ATs+, KJs+, AJo+, KQo", "88:0.5, A5s:0.3"),
            "4b": ("QQ+, AKs, AKo, A5s-A4s", "JJ:0.4"),
            "Call 3b": ("22-JJ, A2s-AQs, K9s+, Q9s+, J9s+, T9s, 98s, A9o-AQo, KJo+", "87s:0.5, KTo:0.5"),
            "Call 4b": ("TT-JJ, AJs-AQs, KQs, AJo-AQo", "99:0.5"),
        },
        "BB": {
            "Check back": ("100%", ""),
            "Call raise": ("22+, A2s+, K2s+, Q4s+, J6s+, T6s+, 95s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+,"
                           " K6o+, Q8o+, J8o+, T8o+, 98o, 87o", "Q3s:0.5, 84s:0.5, K5o:0.5, 97o:0.5"),
            "3b": ("JJ+, AQs+, AKo", "TT:0.5, AJs:0.5"),
            "Call 4b": ("TT-QQ, AJs-AQs, AQo-AKo", "99:0.5"),
        },
        "3b cold call": ("22-JJ, A8s-AQs, KTs+, QTs+, JTs, T9s, 98s, AJo-AKo, KQo", "A7s:0.5, 87s:0.5, ATo:0.5"),
    },
}

AGGRESSIVE = {
    "lag": {
        "UTG/HJ/CO": {
            "RFI": ("22+, A2s+, K8s+, Q9s+, J9s+, T8s+, 97s+, 87s, 76s, 65s, 54s, ATo+, KJo+, QJo",
                    "K7s:0.5, Q8s:0.5, A9o:0.5, KTo:0.5"),
            "3b": ("TT+, AJs+, KQs, AQo+, A5s-A2s, KTs, QTs, JTs, 76s, 65s", "99:0.5, K9s:0.5, AJo:0.5"),
            "Call 3b": ("66-JJ, A9s-AQs, KTs+, QJs, JTs, T9s, 98s, 87s, AQo", "55:0.5, AJo:0.5, KQo:0.5"),
            "4b": ("QQ+, AKs, AKo, A5s-A4s", "JJ:0.3, KQs:0.3"),
            "Call 4b": ("TT-JJ, AQs, AKo, AJs", "QQ:0.3, KQs:0.3"),
        },
        "SB": {
            "RFI": ("22+, A2s+, K5s+, Q7s+, J8s+, T7s+, 97s+, 86s+, 75s+, 64s+, 54s, A8o+, KTo+, QTo+,"
                    " JTo", "K4s:0.5, A7o:0.5, K9o:0.5"),
            "3b": ("99+, ATs+, KTs+, QJs, AJo+, KQo, A5s-A2s, 76s, 65s", "88:0.5, K9s:0.5, ATo:0.5"),
            "4b": ("QQ+, AKs, AKo, A5s-A4s, KJs", "JJ:0.5"),
            "Call 3b": ("44-JJ, A7s-AQs, K9s+, Q9s+, J9s+, T8s+, 98s, 87s, 76s, ATo-AQo, KJo+",
                        "33:0.5, 65s:0.5, KTo:0.5"),
            "Call 4b": ("TT-JJ, AJs-AQs, KQs, AQo", "99:0.5, AJo:0.3"),
        },
        "BB": {
            "Call raise": ("22-99, A2s-ATs, K5s+, Q7s+, J7s+, T7s+, 96s+, 86s+, 75s+, 64s+, 53s+, 43s,"
                           " A7o-AJo, KTo+, QTo+, JTo, T9o", "K4s:0.5, A5o:0.5, 98o:0.5"),
            "3b": ("TT+, AJs+, KQs, AQo+, A5s-A2s, K9s, Q9s, 87s, 76s", "99:0.5, AJo:0.5, 65s:0.5"),
            "Call 4b": ("TT-QQ, AQs, AKo", "AJs:0.5, 99:0.3"),
            "Call": ("22-99, A2s-AJs, K2s+, Q5s+, J6s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o-AJo,"
                     " K7o+, Q8o+, J8o+, T8o+, 98o, 87o", "Q4s:0.5, K6o:0.5, 97o:0.5"),
        },
        "BU": {
            "RFI": "K2s+, Q5s+, J7s+, T7s+, 96s+, 85s+, 74s+, 64s+, 53s+, A2o+, K9o+, Q9o+, J9o+, T9o",
            "3b": "K9s, Q9s, 87s, ATo:0.5, KJo:0.5",
        },
    },
    "maniac": {
        "UTG/HJ/CO": {
            "RFI": ("22+, A2s+, K2s+, Q5s+, J7s+, T7s+, 96s+, 86s+, 75s+, 64s+, 54s, A2o+, K8o+, Q9o+,"
                    " J9o+, T9o, 98o", "Q4s:0.5, K7o:0.5, 87o:0.5"),
            "3b": ("77+, A2s+, K9s+, Q9s+, J9s+, T9s, 98s, 87s, 76s, 65s, ATo+, KJo+, QJo",
                   "66:0.5, K8s:0.5, A9o:0.5"),
            "Call 3b": ("22-TT, A2s-AJs, K8s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 65s, A8o-AJo, KTo+,"
                        " QTo+, JTo", "64s:0.5, A7o:0.5"),
            "4b": ("JJ+, AKs, AKo, A5s-A2s", "TT:0.5, KQs:0.5"),
            "Call 4b": ("77-TT, ATs-AQs, KJs+, QJs, AJo-AQo, KQo", "66:0.5, JTs:0.5"),
        },
        "SB": {
            "RFI": ("22+, A2s+, K2s+, Q2s+, J5s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+, K5o+,"
                    " Q8o+, J8o+, T8o+, 98o, 87o", "J4s:0.5, K4o:0.5, 76o:0.5"),
            "3b": ("66+, A2s+, K8s+, Q9s+, J9s+, T9s, 98s, 87s, 76s, 65s, 54s, A9o+, KTo+, QJo",
                   "55:0.5, K7s:0.5, A8o:0.5"),
            "4b": ("TT+, AJs+, AQo+, AKo, A5s-A2s", "99:0.5, KQs:0.5"),
            "Call 3b": ("22-99, A2s-ATs, K7s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, A7o-AJo,"
                        " K9o+, QTo+, JTo", "K6s:0.5, A6o:0.5"),
            "Call 4b": ("66-99, A8s-ATs, KTs+, QTs+, JTs, ATo-AJo, KQo", "55:0.5, T9s:0.5"),
        },
        "BB": {
            "Call raise": ("22-88, A2s-A9s, K2s+, Q2s+, J4s+, T6s+, 95s+, 85s+, 74s+, 63s+, 53s+, 43s,"
                           " A2o-ATo, K5o+, Q7o+, J8o+, T8o+, 97o+, 87o, 76o", "J3s:0.5, K4o:0.5, 65o:0.5"),
            "3b": ("88+, A2s+, K9s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 75s+, 65s, 54s, ATo+, KJo+, QJo",
                   "77:0.5, K8s:0.5, A9o:0.5"),
            "Call 4b": ("66-99, A9s-AJs, KTs+, QJs, AJo-AQo", "55:0.5, KQo:0.5"),
            "Call": ("22-88, A2s-A9s, K2s+, Q2s+, J2s+, T4s+, 94s+, 84s+, 74s+, 63s+, 53s+, 43s, A2o-ATo,"
                     " K2o+, Q5o+, J7o+, T7o+, 97o+, 86o+, 76o, 65o", "93s:0.5, Q4o:0.5, 75o:0.5"),
        },
        "BU": {
            "RFI": "Q2s+, J4s+, T5s+, 95s+, 85s+, 74s+, 63s+, 53s+, 43s, K5o+, Q8o+, J8o+, T8o+, 97o+, 87o",
        },
    },
}

# The nit of the overfolder group: the template leaves these empty, the file
# fills them; "BU" holds what the button adds to the "UTG/HJ/CO" values.
NIT = {
    "UTG/HJ/CO": {
        "RFI": "66+, ATs+, KJs+, QJs, AJo+, KQo, 55:0.5, A9s:0.5, KTs:0.5",
        "3b": "QQ+, AKs, AKo:0.5",
        "Call 3b": "TT-QQ, AJs-AQs, KQs, AKo:0.5, 99:0.5",
        "4b": "KK+, AKs, AKo:0.3",
        "Call 4b": "QQ-KK, AKs, AKo:0.5",
    },
    "SB": {
        "RFI": "55+, A9s+, KTs+, QTs+, JTs, ATo+, KQo, 44:0.5, A5s:0.5, KJo:0.5",
        "3b": "QQ+, AKs, AKo, JJ:0.3",
        "4b": "KK+, AKs, AKo:0.3",
        "Call 3b": "88-QQ, AJs-AQs, KQs, AQo, 77:0.5, ATs:0.5",
        "Call 4b": "QQ-KK, AKs, AKo:0.5",
    },
    "BB": {
        "Check back": "22-QQ, A2s-AQs, K2s+, Q2s+, J2s+, T2s+, 92s+, 82s+, 72s+, 62s+, 52s+, 42s+, 32s,"
                      " A2o-AQo, K2o+, Q2o+, J2o+, T2o+, 92o+, 82o+, 72o+, 62o+, 52o+, 42o+, 32o,"
                      " QQ:0.5, AKo:0.5",
        "Call raise": "22-JJ, A9s-AQs, KTs+, QTs+, JTs, T9s, AJo-AQo, KQo, A5s-A2s:0.5, 98s:0.5",
        "3b": "QQ+, AKs, AKo, JJ:0.3",
        "Call 4b": "KK, QQ:0.5, AKs",
    },
    "BU": {
        "RFI": "55, 44, 33:0.5, 22:0.5, A9s, A8s:0.5, KTs, QTs, JTs, T9s:0.5, ATo, KJo",
    },
}
