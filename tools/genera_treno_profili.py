"""Adhesion and speed-limit profiles of the embedded train.

Each pair is (progressive in metres, value); the value holds from its
progressive to the next pair's.
"""

# Dry rail over most of the line; the damp cutting after Codogno is the worst
# stretch, the Apennine tunnels are kept at 90.
ADERENZE = [
    (0, 99), (9000, 95), (23450, 99), (41200, 90), (53950, 70),
    (55400, 95), (78300, 99), (112500, 95), (138700, 90), (165200, 99),
    (198350, 95), (221800, 90), (244600, 95), (262100, 90), (288150, 95),
]

# The train's own limits: 200 on the open plain where the boards allow it,
# down at the switches of the big stations (the same figures as the
# timetable sheet), the boards' lowest speeds on the climb to the Apennine
# tunnel.
VELOCITA = [
    (0, 30), (1250, 100), (2050, 115), (6000, 145), (12800, 160),
    (14400, 200), (23500, 190), (27800, 200), (30200, 180), (32600, 200),
    (52400, 175), (55300, 200), (66800, 150), (68250, 140), (70900, 100),
    (71450, 90), (72300, 100), (74250, 160), (87800, 170), (90400, 185),
    (93250, 200), (99400, 125), (100900, 100), (102100, 200), (120800, 120),
    (123250, 100), (124450, 200), (148700, 120), (151100, 100), (152300, 200),
    (173700, 165), (176850, 130), (178600, 185), (183300, 200), (192700, 180),
    (195600, 200), (212600, 150), (214600, 95), (216500, 90), (218300, 70),
    (219400, 90), (227200, 180), (229000, 115), (238800, 100), (260700, 145),
    (263200, 160), (275400, 125), (277950, 120),
]
