# Every resource compiled into Corvana: its name, as the program asks for it, and how it is
# stored.
#   LZHUF   lzhpack packs the generator's bytes into the container (declared size + bit stream)
#   RAW     the generator's bytes as they are
#   BITMAP  a complete Windows bitmap file image, as the generator wrote it
# corvana-gen must write NAME.raw for each name below; the build fails on a name no generator
# writes. Adding a line here is all it takes to compile a resource in.
set(CORVANA_RESOURCES
    # The intro, the sounds and the rules text.
    INTRO_BACKFON    LZHUF
    INTRO_FONTIM     LZHUF
    INTRO_FRONTIM    LZHUF
    INTRO_3DMESH     RAW
    INTRO_GRAD       RAW
    RULERS_TEXT      RAW
    RULERS_TEXT_DE   RAW
    RULERS_TEXT_RU   RAW
    SOUND_BUGS       LZHUF
    SOUND_CLICK      LZHUF
    SOUND_CONNECT    LZHUF
    SOUND_CONNECTED  LZHUF
    SOUND_DISCONNECT LZHUF
    SOUND_FLAME      LZHUF
    SOUND_HINT       LZHUF
    SOUND_LEGAL      LZHUF
    SOUND_MESSAGE    LZHUF
    SOUND_ROTATE     LZHUF

    # The board's pictures and the small bitmaps.
    ANIM_B1          LZHUF
    ANIM_B2          LZHUF
    ANIM_B3          LZHUF
    BORDR_H          LZHUF
    BORDR_V          LZHUF
    BORDR_LABELS     LZHUF
    PACK_BMP         BITMAP
    PACK_TXT         BITMAP
    CONNECT_BMP      BITMAP
    CONNECT_TXT      BITMAP
)

# The application's icons and the menu icons' fallbacks, as PNG files.
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND CORVANA_RESOURCES ICON_APP_${size} RAW)
endforeach()
foreach(icon NEW OPEN SAVE UNDO REDO HINT SETTINGS CALL DISCONNECT MESSAGE HELP ABOUT EXIT)
    list(APPEND CORVANA_RESOURCES ICON_${icon} RAW ICON_${icon}_32 RAW)
endforeach()

# Pictures the generator writes for installing, not compiled in: the saved-game file type's icon,
# which packaging/CMakeLists.txt puts into the hicolor theme.
set(CORVANA_INSTALLED_PICTURES)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND CORVANA_INSTALLED_PICTURES ICON_MIME_${size})
endforeach()
