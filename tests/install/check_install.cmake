# Guards the installed tree: every file where the desktop and the program look for it, nothing else, the
# desktop entry and the AppStream file valid, the icons of the size their folder says, saved games known to
# the desktop as our file type and opened by our entry, the manual pages free of roff errors, and a program
# that runs from the tree.
function(fail)
    string(JOIN "" text ${ARGN})
    message(FATAL_ERROR "${text}")
endfunction()

function(run_checked)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        string(JOIN " " command ${ARGN})
        fail("${command} failed (${rc}):\n${out}${err}")
    endif()
    set(run_output "${out}${err}" PARENT_SCOPE)
endfunction()

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI GROFF UPDATE_MIME_DATABASE UPDATE_DESKTOP_DATABASE)
    if(NOT ${tool})
        fail("${tool} not found: install desktop-file-utils, appstream, groff-base and shared-mime-info")
    endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
run_checked(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(icon_sizes 16 32 48 64 128 256)
set(expected
    bin/tandora
    bin/tandora-analyze
    share/applications/${APP_ID}.desktop
    share/doc/tandora/changelog.gz
    share/doc/tandora/copyright
    share/mime/packages/${APP_ID}.xml
    share/man/man6/tandora-analyze.6.gz
    share/man/man6/tandora.6.gz
    share/metainfo/${APP_ID}.metainfo.xml
    share/tandora/readme.txt
    share/tandora/store.html
    share/tandora/support.html)
foreach(size ${icon_sizes})
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png
                         share/icons/hicolor/${size}x${size}/mimetypes/application-x-tandora-game.png)
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " want "${expected}")
    string(REPLACE ";" "\n  " got "${installed}")
    fail("installed files differ\nexpected:\n  ${want}\ninstalled:\n  ${got}")
endif()

# The shipped files are the source's own, unchanged.
foreach(name readme.txt store.html support.html)
    file(SHA256 ${SOURCE_DIR}/help/shipped/${name} want)
    file(SHA256 ${PREFIX}/share/tandora/${name} got)
    if(NOT want STREQUAL got)
        fail("share/tandora/${name} is not the shipped file")
    endif()
endforeach()

# A PNG's width and height are the big-endian words at bytes 16 and 20.
foreach(size ${icon_sizes})
    set(png ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    file(READ ${png} header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        fail("${png} is not a ${size}x${size} PNG (${width}x${height})")
    endif()
endforeach()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
run_checked(${DESKTOP_FILE_VALIDATE} ${desktop})
if(run_output)
    fail("desktop-file-validate: ${run_output}")
endif()
file(STRINGS ${desktop} exec REGEX "^Exec=")
file(STRINGS ${desktop} icon REGEX "^Icon=")
if(NOT exec MATCHES "^Exec=tandora( |$)" OR NOT icon STREQUAL "Icon=${APP_ID}")
    fail("the desktop entry must start tandora and show the installed icon: ${exec} ${icon}")
endif()
run_checked(${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)

# The desktop's databases, built from the tree alone (and removed again so the file list stays exact): a
# saved game is our type, and our entry opens it.
run_checked(${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime)
file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX "application/x-tandora-game")
if(NOT globs MATCHES "application/x-tandora-game:\\*\\.tn2" OR NOT globs MATCHES "\\*\\.tnd")
    fail("saved games are not known by their names: ${globs}")
endif()
run_checked(${UPDATE_DESKTOP_DATABASE} ${PREFIX}/share/applications)
file(STRINGS ${PREFIX}/share/applications/mimeinfo.cache opener REGEX "^application/x-tandora-game=")
if(NOT opener MATCHES "^application/x-tandora-game=${APP_ID}\\.desktop")
    fail("the desktop entry does not open saved games: ${opener}")
endif()

foreach(page tandora tandora-analyze)
    execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man6/${page}.6.gz
                    COMMAND ${GROFF} -man -ww -z RESULTS_VARIABLE rc ERROR_VARIABLE err)
    if(NOT rc STREQUAL "0;0" OR err)
        fail("manual page ${page}.6: ${rc} ${err}")
    endif()
endforeach()

# The installed programs run from the tree.
run_checked(${PREFIX}/bin/tandora-analyze eval dw 2h 2d 2c Ks Qs)
if(NOT run_output MATCHES "category 11 WildRoyalFlush")
    fail("installed tandora-analyze: ${run_output}")
endif()
