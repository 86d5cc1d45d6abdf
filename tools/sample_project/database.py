"""The project file, the game database under "data/" and "js/plugins.js".

The tables follow the host editor's layout: every table except the system table
is an array indexed by id whose entry 0 is null. Only the members the editor
reads (actor names and faces, the title, the party and the currency) matter to
Vignetta; the rest keeps the tables plausible for a real game.
"""

import os

import catalogue
from jsontext import compact_json

PROJECT_FILE_TEXT = "FABLE 1.0.0\n"

# File names in the order the editor loads them.
DATA_FILES = [
    "Actors.json", "Classes.json", "Skills.json", "Items.json", "Weapons.json",
    "Armors.json", "Enemies.json", "Troops.json", "States.json",
    "Animations.json", "Tilesets.json", "CommonEvents.json", "System.json",
    "MapInfos.json",
]


def _by_id(entries):
    """An id-indexed table: null at index 0, then each entry with its id first."""
    table = [None]
    for number, entry in enumerate(entries, start=1):
        table.append({"id": number, **entry})
    return table


def _actors():
    return _by_id([
        {
            "name": name,
            "nickname": "",
            "classId": index + 1,
            "initialLevel": 1,
            "maxLevel": 99,
            "faceName": face,
            "faceIndex": face_index,
            "characterName": "",
            "characterIndex": 0,
            "equips": [0, 0, 0, 0, 0],
            "profile": "",
            "note": "",
            "traits": [],
        }
        for index, (name, face, face_index) in enumerate(catalogue.ACTORS)
    ])


def _classes():
    names = ["Wanderer", "Scholar", "Healer", "Guard"]
    return _by_id([
        {"name": name, "expParams": [30, 20, 30, 30], "learnings": [],
         "note": "", "traits": []}
        for name in names
    ])


def _skills():
    return _by_id([
        {"name": "Attack", "iconIndex": 16, "mpCost": 0, "scope": 1,
         "description": "", "note": ""},
        {"name": "Guard", "iconIndex": 17, "mpCost": 0, "scope": 11,
         "description": "", "note": ""},
        {"name": "Mend", "iconIndex": 1, "mpCost": 5, "scope": 7,
         "description": "Restores a little health.", "note": ""},
    ])


def _items():
    return _by_id([
        {"name": "Herb Tonic", "iconIndex": 35, "price": 50, "consumable": True,
         "description": "Restores 100 health.", "note": ""},
        {"name": "Star Candy", "iconIndex": 2, "price": 120, "consumable": True,
         "description": "Restores 30 magic.", "note": ""},
        {"name": "Meadow Key", "iconIndex": 48, "price": 0, "consumable": False,
         "description": "Opens the gate by the stream.", "note": ""},
    ])


def _weapons():
    return _by_id([
        {"name": "Oak Staff", "iconIndex": 18, "price": 100, "wtypeId": 1,
         "params": [0, 0, 8, 0, 4, 0, 0, 0], "description": "", "note": ""},
        {"name": "Short Blade", "iconIndex": 20, "price": 150, "wtypeId": 2,
         "params": [0, 0, 12, 0, 0, 0, 2, 0], "description": "", "note": ""},
    ])


def _armors():
    return _by_id([
        {"name": "Linen Coat", "iconIndex": 21, "price": 80, "atypeId": 1,
         "etypeId": 4, "params": [0, 0, 0, 6, 0, 2, 0, 0], "description": "",
         "note": ""},
        {"name": "Straw Hat", "iconIndex": 19, "price": 40, "atypeId": 1,
         "etypeId": 3, "params": [0, 0, 0, 2, 0, 1, 0, 0], "description": "",
         "note": ""},
    ])


def _enemies():
    return _by_id([
        {"name": "Puddle Slime", "battlerName": "", "exp": 6, "gold": 10,
         "params": [60, 0, 10, 8, 6, 6, 6, 6], "actions": [], "dropItems": [],
         "note": ""},
        {"name": "Field Crow", "battlerName": "", "exp": 9, "gold": 14,
         "params": [80, 0, 14, 6, 6, 6, 12, 6], "actions": [], "dropItems": [],
         "note": ""},
    ])


def _troops():
    return _by_id([
        {"name": "Slime x2", "members": [{"enemyId": 1, "x": 300, "y": 400},
                                         {"enemyId": 1, "x": 500, "y": 400}],
         "pages": []},
    ])


def _states():
    return _by_id([
        {"name": "Knockout", "iconIndex": 5, "restriction": 4, "priority": 100,
         "message1": " falls down.", "note": ""},
        {"name": "Drowsy", "iconIndex": 11, "restriction": 4, "priority": 60,
         "message1": " nods off.", "note": ""},
    ])


def _animations():
    return _by_id([
        {"name": "Sparkle", "frames": [], "timings": [], "position": 1},
    ])


def _tilesets():
    return _by_id([
        {"name": "Fields", "mode": 1, "tilesetNames": ["", "", "", "", "", "",
                                                       "", "", ""],
         "flags": [], "note": ""},
    ])


def _common_events():
    return _by_id([
        {"name": "Morning", "trigger": 0, "switchId": 1,
         "list": [{"code": 0, "indent": 0, "parameters": []}]},
    ])


def _system():
    return {
        "gameTitle": catalogue.GAME_TITLE,
        "currencyUnit": catalogue.CURRENCY_UNIT,
        "partyMembers": list(catalogue.PARTY_MEMBERS),
        "locale": "en_US",
        "startMapId": 1,
        "startX": 8,
        "startY": 6,
        "windowTone": [0, 0, 0, 0],
        "titleBgm": {"name": "Meadow_Theme", "pan": 0, "pitch": 100,
                     "volume": 90},
        "battleBgm": {"name": "Dusk_Theme", "pan": 0, "pitch": 100,
                      "volume": 90},
        "switches": ["", "Morning has come"],
        "variables": ["", "Coins found"],
        "terms": {
            "basic": ["Level", "Lv", "HP", "HP", "MP", "MP", "TP", "TP",
                      "EXP", "EXP"],
            "messages": {"possession": "Possession"},
        },
    }


def _map_infos():
    return _by_id([
        {"name": "Meadow", "expanded": False, "order": 1, "parentId": 0,
         "scrollX": 0, "scrollY": 0},
    ])


TABLES = {
    "Actors.json": _actors,
    "Classes.json": _classes,
    "Skills.json": _skills,
    "Items.json": _items,
    "Weapons.json": _weapons,
    "Armors.json": _armors,
    "Enemies.json": _enemies,
    "Troops.json": _troops,
    "States.json": _states,
    "Animations.json": _animations,
    "Tilesets.json": _tilesets,
    "CommonEvents.json": _common_events,
    "System.json": _system,
    "MapInfos.json": _map_infos,
}

PLUGINS = [
    {"name": "SceneSkip", "status": True,
     "description": "Lets the player skip a cut-scene with the cancel key.",
     "parameters": {"Skip Key": "escape", "Fade Frames": "24"}},
    {"name": "TypingSound", "status": False,
     "description": "Plays a soft tick while a message types out.",
     "parameters": {"Sound": "Chime", "Volume": "40"}},
    {"name": "WindowTint", "status": True,
     "description": "Tints the message window by the time of day.",
     "parameters": {}},
]


def plugins_text():
    """The plugin list as the host writes it: comments, the variable, one
    plugin per line and the closing line."""
    lines = [
        "// Generated by the Fablecraft editor.",
        "// Do not edit this file directly.",
        "var $plugins =",
        "[",
    ]
    for index, plugin in enumerate(PLUGINS):
        separator = "," if index + 1 < len(PLUGINS) else ""
        lines.append(compact_json(plugin) + separator)
    lines.append("];")
    return "\n".join(lines) + "\n"


def write_database(root):
    """Writes the project file, the fourteen data files and the plugin list."""
    with open(os.path.join(root, "Sample.fabproject"), "w", encoding="utf-8",
              newline="\n") as out:
        out.write(PROJECT_FILE_TEXT)
    data_dir = os.path.join(root, "data")
    os.makedirs(data_dir, exist_ok=True)
    for name in DATA_FILES:
        with open(os.path.join(data_dir, name), "w", encoding="utf-8",
                  newline="\n") as out:
            out.write(compact_json(TABLES[name]()))
    js_dir = os.path.join(root, "js")
    os.makedirs(js_dir, exist_ok=True)
    with open(os.path.join(js_dir, "plugins.js"), "w", encoding="utf-8",
              newline="\n") as out:
        out.write(plugins_text())
