# The direction of the house: each folder, top to bottom, with the folders below it that its files may include.
# A folder never includes one above it or beside it. The test include_direction holds every file of src/ and
# tools/ to this table, and the build refuses a folder of src/ that is missing from it.
set(ORBETTA_DIRECTION
    "app: ui access desktop look settings tape twovalue functions core files"
    "ui: access desktop look settings tape twovalue functions core files"
    "access:"
    "desktop:"
    "look:"
    "settings: files"
    "tape: core files"
    "twovalue: functions core"
    "functions: core"
    "core:"
    "files:"
    "tools: look"
)
# The engine and what it stands on: the C++ standard library and POSIX alone, never a Qt header.
set(ORBETTA_QT_FREE settings tape twovalue functions core files)
