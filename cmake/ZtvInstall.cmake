# `cmake --install BUILD --prefix P`: the application folder in P/lib/zentrovale (programs,
# language files, assets, the demo project), the programs on the path in P/bin, and the
# desktop's files (entries, MIME types, icons) in P/share. The programs find everything from
# their own folder; what the editor writes goes to the user's data folder when that folder is
# read-only.
set(ZTV_INSTALL_APPDIR lib/zentrovale)

install(TARGETS ztvplay Zentrovale ztvtool RUNTIME DESTINATION ${ZTV_INSTALL_APPDIR})
install(PROGRAMS ${ZTV_APPDIR}/ztvplay2 DESTINATION ${ZTV_INSTALL_APPDIR})

# Read-only assets come from the sources (the copies in the build's application folder may hold
# what a run of the editor wrote there); FRENCH.asc doubles as the player's rlang.asc.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION ${ZTV_INSTALL_APPDIR}
        PATTERN CMakeLists.txt EXCLUDE)
install(FILES ${PROJECT_SOURCE_DIR}/assets/lang/FRENCH.asc DESTINATION ${ZTV_INSTALL_APPDIR}
        RENAME rlang.asc)
# What the build draws and writes.
install(DIRECTORY ${ZTV_APPDIR}/boutons ${ZTV_APPDIR}/transitions ${ZTV_APPDIR}/exemples
                  ${ZTV_APPDIR}/icons
        DESTINATION ${ZTV_INSTALL_APPDIR})
install(FILES ${ZTV_APPDIR}/logo.jpg ${ZTV_APPDIR}/handflat.cur DESTINATION ${ZTV_INSTALL_APPDIR})
# The help folders, when the build writes them rather than copying them from assets/.
install(DIRECTORY ${ZTV_APPDIR}/aide ${ZTV_APPDIR}/help DESTINATION ${ZTV_INSTALL_APPDIR}
        OPTIONAL)

set(ZTV_XDG_SOURCE ${PROJECT_SOURCE_DIR}/assets/xdg)
# The desktop's files. The entries name the installed programs by their full path, as the
# editor's own registration does.
install(FILES ${PROJECT_SOURCE_DIR}/assets/xdg/zentrovale.xml DESTINATION share/mime/packages)
install(DIRECTORY ${ZTV_APPDIR}/icons/ DESTINATION share/icons)
string(CONFIGURE [[
    get_filename_component(ztv_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
    set(ztv_root "$ENV{DESTDIR}${ztv_prefix}")
    foreach(ztv_entry zentrovale:Zentrovale ztvplay:ztvplay)
        string(REPLACE ":" ";" ztv_pair "${ztv_entry}")
        list(GET ztv_pair 0 ztv_id)
        list(GET ztv_pair 1 ztv_program)
        set(ztv_path "${ztv_prefix}/lib/zentrovale/${ztv_program}")
        if(ztv_path MATCHES "[ \t\"'\\\\$`]")
            string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" ztv_path "${ztv_path}")
            string(REPLACE "\\" "\\\\" ztv_path "${ztv_path}")
            set(ztv_path "\"${ztv_path}\"")
        endif()
        string(REPLACE "%" "%%" ztv_path "${ztv_path}")
        file(READ "@ZTV_XDG_SOURCE@/${ztv_id}.desktop" ztv_text)
        string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=${ztv_path} %f" ztv_text "${ztv_text}")
        message(STATUS "Installing: ${ztv_root}/share/applications/${ztv_id}.desktop")
        file(WRITE "${ztv_root}/share/applications/${ztv_id}.desktop" "${ztv_text}")
    endforeach()
    file(MAKE_DIRECTORY "${ztv_root}/bin")
    foreach(ztv_program ztvplay Zentrovale ztvtool)
        message(STATUS "Installing: ${ztv_root}/bin/${ztv_program}")
        file(CREATE_LINK ../lib/zentrovale/${ztv_program} "${ztv_root}/bin/${ztv_program}"
             SYMBOLIC)
    endforeach()
]] ZTV_DESKTOP_INSTALL_CODE @ONLY)
install(CODE "${ZTV_DESKTOP_INSTALL_CODE}")

# The manual pages.
install(FILES ${CMAKE_BINARY_DIR}/man/ztvtool.1 ${PROJECT_SOURCE_DIR}/docs/man/Zentrovale.1
              ${PROJECT_SOURCE_DIR}/docs/man/ztvplay.1
        DESTINATION share/man/man1)
