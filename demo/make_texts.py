#!/usr/bin/env python3
"""Writes every text data file of the demo world under demo/Data.

The world is described below in readable UTF-8; the files are written the
way the engine reads them: Windows-1251, CR LF after every line (the last
line included), no blank line at the end. The output depends on nothing but
this script, so running it twice gives the same bytes.

Layout on disk: the top folder is "Data", everything below it lower-case.
Paths written inside the files use backslashes and deliberately varied
letter case; the engine matches them ignoring case.
"""

import os
import sys

import fit_text

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "Data")


def flow(lines):
    """Joins the lines of a text into paragraphs and breaks them anew to fit
    the location box: a line starting with "- " (speech) or an empty line
    starts a new paragraph."""
    paragraphs = []
    for line in lines:
        if not line or line.startswith("- ") or not paragraphs or not paragraphs[-1]:
            paragraphs.append(line)
        else:
            paragraphs[-1] += " " + line
    return paragraphs


def write(rel, lines):
    """Writes lines (UTF-8 str) as cp1251 with CR LF to Data/<rel>."""
    path = os.path.join(DATA, *rel.split("/"))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    for line in lines:
        if "\r" in line or "\n" in line:
            sys.exit("line break inside a line of %s: %r" % (rel, line))
    body = "".join(line + "\r\n" for line in lines).encode("cp1251")
    with open(path, "wb") as f:
        f.write(body)


# ---------------------------------------------------------------------------
# Character start file (26 lines; odd lines and lines 1-3 are labels).

HERO = [
    ("Стартовые параметры героя", None),
    ("(первые три строки игра не читает)", None),
    ("Здоровье (максимум и текущее)", None),
    (None, "100"),
    ("Сила (грузоподъемность = сила x 800)", "5"),
    ("Ловкость", "8"),
    ("Интеллект", "7"),
    ("Опыт", "0"),
    ("Опыт до следующего уровня", "100"),
    ("Уровень", "1"),
    ("Деньги", "300"),
    ("Голод, %", "10"),
    ("Жажда, %", "12,5"),
    ("Усталость, %", "0"),
    ("Облучение, %", "0"),
]


def hero_lines():
    lines = []
    for label, value in HERO:
        if label is not None:
            lines.append(label)
        if value is not None:
            lines.append(value)
    assert len(lines) == 26, len(lines)
    return lines


# ---------------------------------------------------------------------------
# Item catalogue.

# Shared label lines of the catalogue files.
ITEM_LABELS = ["Название", "Картинка", "Количество", "Вес", "Тип",
               "Номер в файле типа", "Цена", "Описание"]
GUN_LABELS = ["Номер", "Боеприпасы", "Патронов на одиночный выстрел",
              "Патронов на очередь (0 - нет очереди)", "Урон минимальный",
              "Урон максимальный", "Целостность", "Износ за выстрел, минимум",
              "Износ за выстрел, максимум", "Текст 1", "Текст 2", "Текст 3",
              "Текст 4"]
ARMOR_LABELS = ["Номер", "Защита", "Устойчивость к радиации, %",
                "Целостность", "Износ за попадание, минимум",
                "Износ за попадание, максимум", "Текст"]
MEDIK_LABELS = ["Номер", "Прибавка жизни", "Снимает усталость, %",
                "Снимает облучение, %"]
DRINK_LABELS = ["Номер", "Прибавка жизни", "Снимает усталость, %",
                "Утоляет жажду, %"]
FOOD_LABELS = ["Номер", "Прибавка жизни", "Снимает усталость, %",
               "Утоляет голод, %"]

# name, picture path, quantity, weight, kind, ref, price, description.
# Weights are in the units of the carrying capacity (strength x 800; the
# starting strength 5 carries 4000).
ITEMS = [
    ("Руки", r"data\pictures\items\hands.bmp", 1, 0, "gun", 1, 0,
     "Свои кулаки."),
    ("Охотничий нож", r"Data\Pictures\Items\knife.bmp", 1, 300, "gun", 2, 60,
     "Нож без патронов."),
    ("Пистолет Сокол-9", r"DATA\pictures\items\pistol.bmp", 1, 900, "gun", 3,
     450, "Армейский ствол."),
    ("Обрез двустволки", r"Data\pictures\Items\shotgun.bmp", 1, 2600, "gun", 4,
     700, "Ружье, дуплет."),
    ("Автомат Вихрь-5", r"data\Pictures\items\rifle.bmp", 1, 3300, "gun", 5,
     1800, "Бьет очередями."),
    ("Патроны 9 мм", r"Data\Pictures\Items\ammo9.bmp", 8, 100, "ammo", 0, 40,
     "Пачка пистолетных патронов, 8 штук."),
    ("Патроны 12 калибра", r"data\pictures\ITEMS\ammo12.bmp", 10, 400, "ammo",
     0, 60, "Коробка патронов с картечью, 10 штук."),
    ("Патроны 5,6 мм", r"Data\Pictures\items\ammo56.bmp", 30, 300, "ammo", 0,
     120, "Цинк автоматных патронов, 30 штук."),
    ("Рубашка и джинсы", r"data\pictures\items\clothes.bmp", 1, 0, "armor", 1,
     0, "Обычная одежда. От пуль не спасает."),
    ("Кожаная куртка", r"Data\Pictures\Items\jacket.bmp", 1, 1800, "armor", 2,
     250, "Потертая кожанка, держит нож и немного пыли."),
    ("Бронежилет", r"DATA\PICTURES\ITEMS\vest.bmp", 1, 3500, "armor", 3, 1200,
     "Стальные пластины. Очень тяжелый."),
    ("Костюм химзащиты", r"data\Pictures\Items\chemsuit.bmp", 1, 2500, "armor",
     4, 900, "Прорезиненный. Держит радиацию."),
    ("Аптечка", r"Data\pictures\items\medkit.bmp", 1, 300, "medik", 1, 150,
     "Бинты, жгут, обезболивающее."),
    ("Антирад", r"data\pictures\items\antirad.bmp", 1, 100, "medik", 2, 200,
     "Шприц-тюбик, выводит радиацию."),
    ("Бинт", r"Data\Pictures\Items\bandage.bmp", 1, 50, "medik", 3, 40,
     "Стерильный бинт в бумажной обертке."),
    ("Бутылка воды", r"data\pictures\items\water.bmp", 1, 500, "drink", 1, 20,
     "Пол-литра чистой воды из родника."),
    ("Квас", r"Data\Pictures\Items\kvass.bmp", 1, 700, "drink", 2, 30,
     "Домашний квас из Выселок. Бодрит."),
    ("Энергетик", r"DATA\Pictures\Items\energy.bmp", 1, 330, "drink", 3, 60,
     "Газировка с кофеином. Гонит сон."),
    ("Тушенка", r"data\pictures\items\stew.bmp", 1, 400, "food", 1, 50,
     "Говяжья, из армейских запасов."),
    ("Сухари", r"Data\Pictures\items\rusks.bmp", 1, 200, "food", 2, 15,
     "Ржаные. Не испортятся никогда."),
    ("Сушеные грибы", r"data\PICTURES\items\mushrooms.bmp", 1, 150, "food", 3,
     25, "Лесные, проверены счетчиком - чистые."),
    ("Набор оружейника", r"Data\Pictures\Items\toolkit_w.bmp", 1, 600,
     "toolkit_w", 0, 300, "Ершики, масло и пружины для оружия."),
    ("Ремнабор для брони", r"data\pictures\items\toolkit_a.bmp", 1, 800,
     "toolkit_a", 0, 300, "Заплаты, клей и нитки для защитной одежды."),
    ("Стеклышко света", r"Data\Pictures\Items\glass.bmp", 1, 100, "artefact",
     0, 1500, "Светится. В бою видна готовность врагов."),
    ("Бинокль всезнания", r"data\pictures\Items\binoculars.bmp", 1, 700,
     "artefact", 0, 5000, "Отшельника. В бою видно здоровье врагов."),
    ("Камень-грелка", r"Data\PICTURES\Items\stone.bmp", 1, 400, "artefact", 0,
     600, "Всегда теплый. Торговцы его любят."),
    ("Старая фотография", r"data\pictures\items\photo.bmp", 1, 10, "artefact",
     0, 5, "Семья на фоне заводских труб."),
]

# id, ammo, single, burst, mindmg, maxdmg, state, wearmin, wearmax, text 1-4.
GUNS = [
    (1, "нет", 1, 0, 1, 4, 100, 0, 0, "Кулаки", "Ближний бой", "-", "-"),
    (2, "нет", 1, 0, 4, 9, 100, 1, 3, "Нож", "Ближний бой", "Не тупится",
     "-"),
    (3, "Патроны 9 мм", 1, 0, 8, 16, 100, 1, 3, "Пистолет", "Одиночный огонь",
     "Магазин на 8", "-"),
    (4, "Патроны 12 калибра", 1, 2, 12, 24, 100, 2, 4, "Ружье",
     "Дуплет из двух стволов", "Картечь", "-"),
    (5, "Патроны 5,6 мм", 1, 5, 10, 20, 100, 1, 3, "Автомат",
     "Очередь по пять", "Магазин на 30", "-"),
]

# id, protect, radres, state, wearmin, wearmax, text.
ARMORS = [
    (1, 0, 0, 100, 0, 0, "Повседневная одежда"),
    (2, 2, 5, 100, 1, 3, "Легкая защита"),
    (3, 6, 10, 100, 1, 4, "Тяжелая защита"),
    (4, 3, 60, 100, 2, 5, "Защита от радиации"),
]

# id, life, fatiguecut, needcut (radiation / thirst / hunger).
MEDIKS = [
    (1, 40, 5, 0),
    (2, 5, 0, 40),
    (3, 15, 0, 0),
]
DRINKS = [
    (1, 2, 5, 40),
    (2, 3, 10, 30),
    (3, 0, 35, 15),
]
FOODS = [
    (1, 5, 5, 45),
    (2, 1, 0, 20),
    (3, 3, 5, 30),
]


def records(labels, rows):
    lines = []
    for row in rows:
        assert len(row) == len(labels), row
        for label, value in zip(labels, row):
            lines.append(label)
            lines.append(str(value))
    return lines


# ---------------------------------------------------------------------------
# Starting inventory: one item name a line.

INVENTORY = ["Охотничий нож", "Сухари", "Бутылка воды", "Бинт"]


# ---------------------------------------------------------------------------
# Locations.

# Music: one exact spelling per track, so that walking between locations of
# the same track keeps it playing (a different spelling would restart it).
MUSIC_RUINS = r"Data\Music\loc_ruins.mp3"
MUSIC_FOREST = r"data\music\Loc_Forest.mp3"
MUSIC_BUNKER = r"Data\MUSIC\loc_bunker.mp3"

AREAS = {
    "ruins": ("Руины поселка", r"Data\Pictures\Locations\ruins_area.bmp",
              MUSIC_RUINS),
    "forest": ("Сосновый лес", r"data\pictures\locations\forest_area.bmp",
               MUSIC_FOREST),
    "village": ("Деревня Выселки", r"Data\pictures\Locations\village_area.bmp",
                MUSIC_FOREST),
    "plant": ("Промзона", r"DATA\Pictures\LOCATIONS\plant_area.bmp",
              MUSIC_RUINS),
    "bunker": ("Старый бункер", r"data\Pictures\locations\bunker_area.bmp",
               MUSIC_BUNKER),
}

# Exits: (from, direction, to); the way back is added automatically, so the
# map is always consistent (A's right is B exactly when B's left is A).
LINKS = [
    ("1", "up", "2"),
    ("2", "up", "4"),
    ("2", "right", "3"),
    ("3", "up", "7"),
    ("4", "left", "5"),
    ("4", "up", "6"),
    ("4", "right", "7"),
    ("5", "up", "8"),
    ("8", "right", "6"),
    ("6", "right", "9"),
    ("7", "up", "9"),
    ("7", "right", "13"),
    ("9", "right", "10"),
    ("10", "right", "11"),
    ("10", "up", "12"),
]
OPPOSITE = {"up": "down", "down": "up", "left": "right", "right": "left"}

# Each location: area key, place, place picture, talks, trader, pickup,
# deadly, deadtime, rates (hunger, thirst, fatigue, radiation per second)
# and the description lines. Rates are written with a comma or a point; the
# engine takes both.
LOCATIONS = {
    "1": dict(
        area="ruins", place="Разбитая остановка",
        placepic=r"data\pictures\locations\stop.bmp",
        pkp="1", rates=("0,05", "0,06", "0,04", "0,01"),
        desc=[
            "Ржавый каркас автобусной остановки, в крыше дыра размером с колесо.",
            "Расписание на стекле еще читается: последний автобус ушел три года назад.",
            "Отсюда начинается твой путь по Ветровому краю.",
            "На скамейке кто-то оставил припасы, будто знал, что ты придешь.",
            "На север уходит главная улица поселка.",
        ]),
    "2": dict(
        area="ruins", place="Главная улица",
        placepic=r"Data\Pictures\Locations\street.bmp",
        pkp="2", rates=("0,05", "0,06", "0,04", "0,01"),
        desc=[
            "Главная улица поселка Ветровое. Дома смотрят на дорогу пустыми окнами.",
            "Асфальт вспучен корнями, на обочине лежит опрокинутый грузовик.",
            "На севере площадь, на востоке чернеет сгоревший магазин,",
            "на юге осталась автобусная остановка.",
        ]),
    "3": dict(
        area="ruins", place="Сгоревший магазин",
        placepic=r"data\Pictures\locations\SHOP.bmp",
        pkp="3", rates=("0,05", "0,07", "0,04", "0,02"),
        desc=[
            "Вывеска «Продукты» висит на одном гвозде и скрипит на ветру.",
            "Полки обуглены, но в подсобке могли уцелеть консервы.",
            "Через пролом в задней стене на севере видны цеха химзавода.",
            "Улица - на западе.",
        ]),
    "4": dict(
        area="ruins", place="Площадь",
        placepic=r"Data\pictures\locations\square.bmp",
        trd="baryga", rates=("0,05", "0,06", "0,03", "0"),
        desc=[
            "Площадь у бывшего дома культуры. Памятник без головы, фонтан без воды.",
            "Под навесом у стены торгует Барыга: меняет все на все, но цену знает.",
            "Дороги расходятся на все четыре стороны: на западе лес,",
            "на севере лесная поляна, на востоке промзона, на юге главная улица.",
        ]),
    "5": dict(
        area="forest", place="Опушка леса",
        placepic=r"data\pictures\Locations\edge.bmp",
        pkp="5", rates=("0.04", "0.05", "0.05", "0"),
        desc=[
            "Сосны стоят стеной, между стволами висит сизый туман.",
            "Под ногами хрустят шишки и стреляные гильзы:",
            "здесь охотились и до беды, и после.",
            "Тропа на север ведет к деревне Выселки, на восток - обратно на площадь.",
        ]),
    "6": dict(
        area="forest", place="Лесная поляна",
        placepic=r"Data\Pictures\Locations\glade.bmp",
        pkp="6", rates=("0.01", "0.01", "0.005", "0"),
        desc=[
            "Тихая поляна, родник под старой березой.",
            "Радиация сюда почти не добралась, воздух чистый и пахнет хвоей.",
            "Хорошее место, чтобы перевести дух: здесь не устаешь",
            "и почти не хочется ни есть, ни пить.",
            "На западе деревня, на востоке бетонный козырек бункера, на юге площадь.",
        ]),
    "7": dict(
        area="plant", place="Цеха химзавода",
        placepic=r"data\pictures\locations\plant.bmp",
        pkp="7", rates=("0,06", "0,09", "0,06", "0,6"),
        desc=[
            "Корпуса химического завода, откуда все и началось.",
            "Счетчик в кармане трещит не умолкая: без костюма химзащиты",
            "облучение растет на глазах. Долго здесь не задерживайся.",
            "На востоке зияет котлован - туда лучше не соваться без нужды.",
            "На севере ворота старого бункера, на западе площадь,",
            "на юге сгоревший магазин.",
        ]),
    "8": dict(
        area="village", place="Околица",
        placepic=r"Data\Pictures\locations\village.bmp",
        talks="vyselki", rates=("0,02", "0,02", "0,01", "0"),
        desc=[
            "Десяток изб за покосившимся забором. В Выселках еще живут люди.",
            "Староста сидит на крыльце и смотрит на дорогу, знахарка сушит травы.",
            "Говорят, староста многое бы отдал, чтобы снова увидеть,",
            "что творится за лесом.",
            "На юге опушка леса, на востоке лесная поляна.",
        ]),
    "9": dict(
        area="bunker", place="Ворота бункера",
        placepic=r"data\Pictures\Locations\gate.bmp",
        pkp="9", rates=("0.05", "0.08", "0.05", "0.05"),
        desc=[
            "Бетонный козырек в склоне холма. Гермоворота приоткрыты на ладонь -",
            "протиснуться можно.",
            "Над входом облупившаяся надпись: «Объект 7».",
            "Внутрь - на восток. На западе поляна, на юге цеха химзавода.",
        ]),
    "10": dict(
        area="bunker", place="Коридор",
        placepic=r"DATA\pictures\locations\corridor.bmp",
        pkp="10", rates=("0,05", "0,08", "0,05", "0,02"),
        desc=[
            "Длинный коридор, лампы аварийного освещения еще тлеют красным.",
            "В полу провал: шахта уходит вниз, к котловану. Без веревки не спуститься.",
            "Справа дверь в каморку, наверх ведет лестница на склад,",
            "на западе выход к воротам.",
        ]),
    "11": dict(
        area="bunker", place="Каморка",
        placepic=r"data\pictures\locations\kamorka.bmp",
        pkp="11", rates=("0,03", "0,04", "0,02", "0"),
        desc=[
            "Тесная каморка, заставленная приборами. Здесь живет Отшельник.",
            "С чужими он не разговаривает, но на столе у него лежит бинокль",
            "в кожаном футляре.",
            "Отшельник чертит мелом на стене: стеклышко света или 1500 p -",
            "и бинокль твой.",
            "Выход - на запад, в коридор.",
        ]),
    "12": dict(
        area="bunker", place="Склад",
        placepic=r"Data\Pictures\LOCATIONS\store.bmp",
        pkp="12", trd="kladovshik", rates=("0.05", "0.07", "0.05", "0.1"),
        desc=[
            "Стеллажи до потолка, ящики с армейской маркировкой.",
            "Большую часть растащили, но кое-что еще можно найти.",
            "За конторкой сидит Кладовщик: скупает диковины втридорога.",
            "В углу фонит пробитая бочка. Вниз ведет лестница в коридор.",
        ]),
    "13": dict(
        area="plant", place="Котлован",
        placepic=r"data\pictures\locations\pit.bmp",
        pkp="13", deadly="yes", deadtime=30,
        rates=("0,1", "0,15", "0,1", "3,5"),
        desc=[
            "Воронка на месте реакторного цеха. Земля здесь светится по ночам.",
            "На дне, в луже, что-то мерцает мягким теплым светом.",
            "Воздух обжигает легкие. Полминуты - и тебе конец. Уходи!",
            "Назад - на запад, к цехам.",
        ]),
}

# Fights: location -> (fight file, start, once). "now" starts by itself,
# anything else offers the fight button; "once" fights are written to the
# fight map.
LOCATION_FIGHTS = {
    "5": ("pes", "button", "again"),        # 1 enemy, offered, repeatable
    "7": ("staya", "button", "again"),      # 3 enemies, offered, repeatable
    "9": ("marodery", "now", "once"),       # 2 enemies, automatic, once
    "10": ("ohrana", "now", "once"),        # 3 enemies, automatic, once (hard)
    "11": ("otshelnik", "button", "once"),  # 1 enemy, offered, once (Каморка)
    "12": ("mutanty", "now", "once"),       # 2 enemies, automatic, once
}
for _name, (_fgt, _start, _once) in LOCATION_FIGHTS.items():
    LOCATIONS[_name].update(fgt=_fgt, fgtstart=_start, fgtonce=_once)

# Fight files: the catalogue keys of enemies 1 to 3 ("no": none).
FIGHTS = {
    "pes": ["pes", "no", "no"],
    "staya": ["pes", "pes", "pes"],
    "marodery": ["marodyor", "marodyor", "no"],
    "ohrana": ["robot", "marodyor", "no"],
    "otshelnik": ["otshelnik", "no", "no"],
    "mutanty": ["mutant", "mutant", "no"],
}

# Enemy catalogue: key, enemy file (relative to Data\Combat\).
ENEMY_CATALOGUE = [
    ("pes", "dog.enm"),
    ("marodyor", "Marauder.enm"),
    ("mutant", "mutant.enm"),
    ("robot", "robot.enm"),
    ("otshelnik", "hermit.enm"),
]

ENEMY_LABELS = [
    "Имя", "Текст (не используется)", "Здоровье", "Урон минимальный",
    "Урон максимальный (не достигается)", "Броня", "Опыт за победу",
    "Число (не используется)", "Ловкость", "Меткость (15 и больше - без промаха)",
    "Текст (не используется)", "Число (не используется)", "Картинка",
    "Картинка атаки", "Картинка после гибели", "Текст (не используется)",
    "Текст (не используется)", "Текст (не используется)", "Деньги минимум",
    "Деньги максимум (не достигается)",
]

# file: name, health, mindamage, maxdamage, armor, exp, agility, accuracy,
# picture stem, minmoney, maxmoney, loot [(item, rule)].
ENEMIES = {
    "dog.enm": ("Бродячий пес", 14, 2, 6, 0, 15, 6, 9, "dog", 0, 0, []),
    "Marauder.enm": ("Мародер", 30, 4, 10, 1, 35, 7, 11, "marauder", 20, 80,
                     [("Патроны 12 калибра", "always"), ("Патроны 9 мм", "random"),
                      ("Бинт", "random")]),
    "mutant.enm": ("Мутант", 40, 6, 13, 2, 50, 5, 12, "mutant", 0, 0,
                   [("Камень-грелка", "chance")]),
    "robot.enm": ("Охранный робот", 60, 6, 13, 3, 120, 4, 13, "robot", 50, 150,
                  [("Патроны 5,6 мм", "always"), ("Ремнабор для брони", "always"),
                   ("Аптечка", "random")]),
    "hermit.enm": ("Отшельник", 50, 5, 12, 1, 80, 6, 12, "hermit", 100, 300,
                   [("Аптечка", "always")]),
}


def enemy_lines(e):
    (name, health, mindmg, maxdmg, armor, exp, agility, accuracy, stem,
     minmoney, maxmoney, loot) = e
    pic = r"Data\Pictures\Enemies\%s" % stem
    values = [name, "-", str(health), str(mindmg), str(maxdmg), str(armor),
              str(exp), "0", str(agility), str(accuracy), "-", "0",
              pic + ".bmp", pic + "_hit.bmp", pic + "_dead.bmp", "-", "-", "-",
              str(minmoney), str(maxmoney)]
    assert len(values) == len(ENEMY_LABELS) == 20
    lines = []
    for label, value in zip(ENEMY_LABELS, values):
        lines += [label, value]
    lines.append("Добыча: пары строк предмет / правило (always - всегда)")
    for item, rule in loot:
        lines += [item, rule]
    return lines


LOC_LABELS = [
    "Название локации",
    "Картинка локации",
    "Название места",
    "Картинка места",
    "Музыка",
    "Выход вверх",
    "Выход вниз",
    "Выход влево",
    "Выход вправо",
    "Собеседники",
    "Торговец",
    "Предметы на земле",
    "Бой",
    "Начало боя (now - сразу)",
    "Бой однократный (once)",
    "Смертельное место (yes - да)",
    "Секунд до смерти",
    "Голод за секунду",
    "Жажда за секунду",
    "Усталость за секунду",
    "Облучение за секунду",
]


def exits():
    table = {name: {"up": "no", "down": "no", "left": "no", "right": "no"}
             for name in LOCATIONS}
    for a, d, b in LINKS:
        for x, dx, y in ((a, d, b), (b, OPPOSITE[d], a)):
            if table[x][dx] != "no":
                sys.exit("exit %s of %s given twice" % (dx, x))
            table[x][dx] = y
    return table


def location_lines(name, loc, ex):
    area_name, area_pic, music = AREAS[loc["area"]]
    values = [
        area_name,
        area_pic,
        loc["place"],
        loc["placepic"],
        music,
        ex["up"],
        ex["down"],
        ex["left"],
        ex["right"],
        loc.get("talks", "no"),
        loc.get("trd", "no"),
        loc.get("pkp", "no"),
        loc.get("fgt", "no"),
        loc.get("fgtstart", "no"),
        loc.get("fgtonce", "no"),
        loc.get("deadly", "no"),
        str(loc.get("deadtime", 0)),
    ] + list(loc["rates"])
    assert len(values) == len(LOC_LABELS) == 21
    lines = []
    for label, value in zip(LOC_LABELS, values):
        lines.append(label)
        lines.append(value)
    lines.append("Описание места (до конца файла, не больше 50 строк):")
    desc = fit_text.paragraphs("location", flow(loc["desc"]))
    assert len(desc) <= 50
    return lines + desc


DEAD_LOC = [
    "Каморка пуста. Отшельник лежит у стены, приборы разбиты.",
    "Бинокль ты получил, но радости в этом нет.",
    "Ветер гонит по коридору обрывки его записей.",
]
DONE_LOC = [
    "Отшельник кивает тебе, как старому знакомому, и снова склоняется над приборами.",
    "Сделка состоялась: бинокль всезнания теперь твой.",
    "Староста в Выселках давно мечтал о таком.",
]

# Partner lists: partner name, conversation file name (without folder and
# extension). The conversations themselves come with the quest.
TALKS = {
    "vyselki": [
        ("Староста деревни", "starosta"),
        ("Знахарка", "znaharka"),
    ],
}

# Conversations: picture, then reply blocks (number, lowest level, lines).
# Only the first N blocks are drawn from, N being the number of blocks given
# here; a block whose level the hero has not reached is drawn again.
CONVERSATIONS = {
    "starosta": (r"Data\Pictures\Talks\starosta.bmp", [
        (1, 3, [
            "Староста уважительно кивает:",
            "- Вижу, ты уже не новичок. Отшельник в бункере",
            "не отдает бинокль задаром: неси ему стеклышко из котлована",
            "или выкладывай полторы тысячи.",
        ]),
        (2, 1, [
            "- Здравствуй, бродяга. Давно у нас чужих не было.",
            "- Есть у меня мечта: увидеть, что творится за лесом.",
            "Говорят, у Отшельника в бункере есть бинокль всезнания.",
            "Принеси его мне - в долгу не останусь.",
        ]),
        (1, 1, [
            "Староста щурится на дорогу и вздыхает:",
            "- Бункер на востоке, за лесной поляной. Отшельник сидит",
            "в каморке и меняет бинокль на стеклышко света.",
            "А стеклышко лежит в котловане - только там долго не живут.",
        ]),
        (3, 2, [
            "- Слыхал я, Кладовщик на складе бункера скупает диковины",
            "втридорога. Продай ему что-нибудь - и заплатишь Отшельнику.",
        ]),
    ]),
    "znaharka": (r"data\pictures\talks\znaharka.bmp", [
        (1, 1, [
            "Знахарка перебирает сушеные травы:",
            "- В котловане земля светится, милок. Полминуты - и конец.",
            "Хочешь жить - беги оттуда, как только схватишь, что нужно.",
        ]),
        (2, 1, [
            "- Антирад носи с собой всегда. И воду.",
            "На заводе без костюма химзащиты долго не протянешь.",
            "",
            "Знахарка отворачивается к своим травам.",
        ]),
    ]),
}

# The final conversation: the elder gets the binoculars.
FINAL_TALK = (r"Data\Pictures\Talks\starosta_glad.bmp", [
    (1, 0, [
        "Староста бережно берет бинокль всезнания и долго смотрит на восток.",
        "- Вот оно как... За лесом-то ветер стихает. Значит, будем жить.",
        "- Спасибо тебе, бродяга. Оставайся в Выселках, сколько захочешь.",
        "",
        "Впервые за три года в Ветровом крае спокойно.",
    ]),
])


def conversation_lines(picture, blocks):
    lines = ["Картинка собеседника", picture,
             "Число блоков ответа (N)", str(len(blocks))]
    for number, level, text in blocks:
        lines.append(";%d блок ответа" % number)
        lines.append(str(level))
        lines += fit_text.paragraphs("location", flow(text))
    lines.append(";")
    return lines


# Traders: name, five notes, the seven (note, factor) pairs in the file's
# order (gun, armor, ammo, medik, artefact, food, drink), and the stock as
# (item, lowest level). Factors are written with a comma or a point.
TRADERS = {
    "baryga": dict(
        name="Барыга",
        extras=["Торгует на площади", "Меняет все на все", "Цены знает",
                "Скидок не дает", "-"],
        rates=[("Оружие берет по полной", "1"), ("Броню тоже", "1,0"),
               ("Патроны похуже", "0,8"), ("Лекарства так себе", "0.7"),
               ("Диковины не любит", "0,5"), ("Еду почти даром", "0,6"),
               ("Питье почти даром", "0.6")],
        stock=[("Сухари", 1), ("Бутылка воды", 1), ("Бинт", 1),
               ("Патроны 9 мм", 1), ("Квас", 1), ("Пистолет Сокол-9", 2),
               ("Кожаная куртка", 2), ("Аптечка", 2),
               ("Патроны 12 калибра", 3), ("Обрез двустволки", 3),
               ("Набор оружейника", 3), ("Автомат Вихрь-5", 5)]),
    "kladovshik": dict(
        name="Кладовщик",
        extras=["Сидит на складе бункера", "Скупает диковины",
                "Армейские запасы", "-", "-"],
        rates=[("Оружие", "0,9"), ("Броня", "0.9"), ("Патроны", "1"),
               ("Лекарства", "1"), ("Диковины - втридорога", "2"),
               ("Еда", "0,8"), ("Питье", "0,8")],
        stock=[("Тушенка", 1), ("Патроны 5,6 мм", 1), ("Антирад", 1),
               ("Энергетик", 1), ("Ремнабор для брони", 2),
               ("Костюм химзащиты", 3), ("Бронежилет", 4)]),
}


def trader_lines(t):
    lines = ["Имя торговца", t["name"]]
    for i, extra in enumerate(t["extras"], 1):
        lines += ["Заметка %d" % i, extra]
    for kind, (note, rate) in zip(
            ["оружие", "броня", "патроны", "лекарства", "диковины", "еда",
             "питье"], t["rates"]):
        lines += ["Заметка: " + kind, note, "Множитель цены: " + kind, rate]
    assert len(lines) == 40, len(lines)
    lines.append("Товар (название, с какого уровня):")
    for item, level in t["stock"]:
        lines += [item, str(level)]
    return lines


# ---------------------------------------------------------------------------
# Ground items: (kind, item, availability). "always" is there at every new
# game, "once" only until the next new game (a thing left by an earlier
# visitor), any other word (here "random" and "chance") by chance.

PICKUPS = {
    "1": [
        ("always", "Сухари", "aviable"),
        ("always", "Бутылка воды", "aviable"),
        ("random", "Бинт", "aviable"),
        ("always", "Старая фотография", "aviable"),
    ],
    "2": [
        ("always", "Патроны 9 мм", "aviable"),
        ("random", "Кожаная куртка", "aviable"),
    ],
    "3": [
        ("always", "Тушенка", "aviable"),
        ("random", "Квас", "aviable"),
        ("random", "Пистолет Сокол-9", "aviable"),
        ("chance", "Набор оружейника", "unaviable"),
    ],
    "5": [
        ("always", "Сушеные грибы", "aviable"),
        ("random", "Обрез двустволки", "aviable"),
        ("random", "Патроны 12 калибра", "aviable"),
    ],
    "6": [
        ("always", "Бутылка воды", "aviable"),
        ("always", "Бутылка воды", "aviable"),
        ("always", "Обрез двустволки", "aviable"),
        ("always", "Патроны 12 калибра", "aviable"),
    ],
    "7": [
        ("always", "Антирад", "unaviable"),
        ("random", "Костюм химзащиты", "aviable"),
        ("random", "Ремнабор для брони", "aviable"),
    ],
    "9": [
        ("always", "Энергетик", "aviable"),
        ("random", "Патроны 5,6 мм", "aviable"),
    ],
    "10": [
        ("random", "Бронежилет", "aviable"),
        ("random", "Аптечка", "aviable"),
    ],
    "11": [
        ("random", "Аптечка", "aviable"),
    ],
    "12": [
        ("always", "Патроны 5,6 мм", "aviable"),
        ("random", "Автомат Вихрь-5", "aviable"),
        ("random", "Тушенка", "unaviable"),
        ("chance", "Набор оружейника", "aviable"),
    ],
    "13": [
        ("always", "Стеклышко света", "aviable"),
        ("random", "Камень-грелка", "aviable"),
    ],
}

# ---------------------------------------------------------------------------
# Intro slides (text 1 has no picture; texts 2-5 go with pictures 1-4).

INTRO = {
    "1.txt": [
        "Ветровой край. Сентябрь 2015 года.",
        "Три года назад на химическом заводе под поселком Ветровое случилась беда.",
        "Облако ушло на север, люди - на юг.",
        "Остались руины, лес и тишина.",
    ],
    "2.txt": [
        "Когда-то здесь работал завод, ходили автобусы и пахло свежим хлебом.",
        "Трубы химзавода было видно за двадцать километров,",
        "и никто не думал, что они могут стать надгробием.",
    ],
    "3.txt": [
        "Ночью в реакторном цехе что-то лопнуло.",
        "Вспышку видели в соседних областях.",
        "Утром на месте цеха дымился котлован, а счетчики сходили с ума.",
    ],
    "4.txt": [
        "Теперь в Ветровом крае хозяйничают ветер и бродяги.",
        "Одни ищут добычу в брошенных домах, другие - легкой смерти в котловане.",
        "В деревне Выселки за лесом еще держатся последние жители.",
    ],
    "5.txt": [
        "Ты - бродяга-старатель. За плечами рюкзак, на поясе охотничий нож.",
        "Говорят, староста Выселок щедро наградит того,",
        "кто добудет ему бинокль всезнания.",
        "Путь начинается у разбитой остановки.",
    ],
}


def main():
    write("config/roamkin.cfg", hero_lines())
    write("config/inventory.cfg", INVENTORY)

    long_descriptions = False
    for item in ITEMS:
        # The viewer wraps the description; a weapon's other lines leave
        # room for one line of it, other kinds' for two.
        room = 1 if item[4] == "gun" else 2
        if len(fit_text.wrap("viewer", "Описание: " + item[7])) > room:
            print("too long for the item viewer: " + item[7])
            long_descriptions = True
    if long_descriptions:
        sys.exit(1)
    write("objects/items.dat", records(ITEM_LABELS, ITEMS))
    write("objects/guns.dat", records(GUN_LABELS, GUNS))
    write("objects/armor.dat", records(ARMOR_LABELS, ARMORS))
    write("objects/medik.dat", records(MEDIK_LABELS, MEDIKS))
    write("objects/drink.dat", records(DRINK_LABELS, DRINKS))
    write("objects/food.dat", records(FOOD_LABELS, FOODS))

    ex = exits()
    for name, loc in LOCATIONS.items():
        write("levels/locations/%s.loc" % name,
              location_lines(name, loc, ex[name]))
    write("levels/locations/dead.loc", fit_text.paragraphs("location", flow(DEAD_LOC)))
    write("levels/locations/done.loc", fit_text.paragraphs("location", flow(DONE_LOC)))

    for name, partners in TALKS.items():
        lines = []
        for partner, conversation in partners:
            lines += [partner, conversation]
        write("levels/talks/%s.tlk" % name, lines)
    for name, (picture, blocks) in CONVERSATIONS.items():
        write("levels/talks/%s.tlk" % name, conversation_lines(picture, blocks))
    write("levels/talks/lsttalk.tlk", conversation_lines(*FINAL_TALK))
    for name, t in TRADERS.items():
        write("levels/trade/%s.trd" % name, trader_lines(t))

    for name, entries in PICKUPS.items():
        lines = []
        for kind, item, state in entries:
            lines += [kind, item, state]
        write("levels/pickup/%s.pkp" % name, lines)
    # Locations without ground items have the pickup name "no"; an item
    # dropped there is written to "no.pkp", which starts empty.
    write("levels/pickup/no.pkp", [])

    for name, keys in FIGHTS.items():
        write("levels/fights/%s.fgt" % name, keys)
    write("levels/fights/fight.map", [])
    lines = []
    for key, file in ENEMY_CATALOGUE:
        lines += [key, file]
    write("combat/enemies.dat", lines)
    for file, e in ENEMIES.items():
        write("combat/" + file.lower(), enemy_lines(e))

    for name, lines in INTRO.items():
        write("intro/" + name, fit_text.paragraphs("intro", flow(lines)))


if __name__ == "__main__":
    main()
