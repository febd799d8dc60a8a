# Guards the installed tree: every file where the desktop and the program look for it and nothing else,
# checked by the desktop's own tools, and programs that run from the tree.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED) # desktop-file-utils
find_program(APPSTREAMCLI appstreamcli REQUIRED) # appstream
find_program(GROFF groff REQUIRED) # groff-base
find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED) # shared-mime-info
find_program(UPDATE_DESKTOP_DATABASE update-desktop-database REQUIRED) # desktop-file-utils

function(run_checked)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        string(JOIN " " command ${ARGN})
        message(FATAL_ERROR "${command} failed (${rc}):\n${out}${err}")
    endif()
    set(run_output "${out}${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${PREFIX})
run_checked(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

set(expected bin/tandora bin/tandora-analyze share/applications/${APP_ID}.desktop
    share/doc/tandora/changelog.gz share/doc/tandora/copyright share/man/man6/tandora-analyze.6.gz
    share/man/man6/tandora.6.gz share/metainfo/${APP_ID}.metainfo.xml share/mime/packages/${APP_ID}.xml)
foreach(name readme.txt store.html support.html)
    list(APPEND expected share/tandora/${name})
    file(SHA256 ${SOURCE_DIR}/help/shipped/${name} want)
    file(SHA256 ${PREFIX}/share/tandora/${name} got)
    if(NOT want STREQUAL got)
        message(FATAL_ERROR "share/tandora/${name} is not the shipped file")
    endif()
endforeach()
# A PNG opens with its signature and the IHDR chunk: width and height as big-endian 32-bit words.
foreach(size 16 32 48 64 128 256)
    set(icons share/icons/hicolor/${size}x${size})
    list(APPEND expected ${icons}/apps/${APP_ID}.png ${icons}/mimetypes/application-x-tandora-game.png)
    file(READ ${PREFIX}/${icons}/apps/${APP_ID}.png header LIMIT 24 HEX)
    math(EXPR word "0x100000000 + ${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING ${word} 3 8 word)
    if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${word}${word}")
        message(FATAL_ERROR "${icons}/apps/${APP_ID}.png is not a ${size}x${size} PNG: ${header}")
    endif()
endforeach()
list(SORT expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(FATAL_ERROR "installed files differ\nexpected: ${expected}\ninstalled: ${installed}")
endif()

set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
run_checked(${DESKTOP_FILE_VALIDATE} ${desktop})
file(STRINGS ${desktop} exec REGEX "^Exec=")
file(STRINGS ${desktop} icon REGEX "^Icon=")
if(run_output OR NOT exec MATCHES "^Exec=tandora( |$)" OR NOT icon STREQUAL "Icon=${APP_ID}")
    message(FATAL_ERROR "the desktop entry must be valid, start tandora and show the installed icon: "
                        "${run_output} ${exec} ${icon}")
endif()
run_checked(${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)

# The desktop's databases, built from the tree once its file list is checked: saved games are ours.
run_checked(${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime)
run_checked(${UPDATE_DESKTOP_DATABASE} ${PREFIX}/share/applications)
file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX "application/x-tandora-game")
file(STRINGS ${PREFIX}/share/applications/mimeinfo.cache opener REGEX "^application/x-tandora-game=")
if(NOT globs MATCHES "application/x-tandora-game:\\*\\.tn2" OR NOT globs MATCHES "\\*\\.tnd"
   OR NOT opener MATCHES "^application/x-tandora-game=${APP_ID}\\.desktop")
    message(FATAL_ERROR "saved games must be known by their names and opened by our entry: ${globs} ${opener}")
endif()

foreach(page tandora tandora-analyze)
    run_checked(sh -c "gzip -dc ${PREFIX}/share/man/man6/${page}.6.gz | ${GROFF} -man -ww -z")
    if(run_output)
        message(FATAL_ERROR "manual page ${page}.6: ${run_output}")
    endif()
endforeach()

run_checked(${PREFIX}/bin/tandora-analyze eval dw 2h 2d 2c Ks Qs)
if(NOT run_output MATCHES "category 11 WildRoyalFlush")
    message(FATAL_ERROR "installed tandora-analyze: ${run_output}")
endif()
