# The Windows program's folder: the programs, their sound, Qt's DLLs and plugins, the
# compiler's runtime and Qt's German words, all side by side, as the zip and the
# installer carry it (cmake --install to any folder).
# The window program lies here in the build (src/ui/CMakeLists.txt).
set(program_directory "${PROJECT_BINARY_DIR}/src")
set(sound "${program_directory}/MAPKEY.WAV")
add_custom_command(
  OUTPUT "${sound}"
  COMMAND stapelwerk_make_sound "${sound}"
  DEPENDS stapelwerk_make_sound
  COMMENT "Making the sound MAPKEY.WAV")
# Qt's own German words, beside the program, where it loads them from.
set(qt_words "${program_directory}/translations/qtbase_de.qm")
add_custom_command(
  OUTPUT "${qt_words}"
  COMMAND ${CMAKE_COMMAND} -E copy /usr/share/qt6/translations/qtbase_de.qm "${qt_words}"
  COMMENT "Copying Qt's German words")
add_custom_target(stapelwerk_assets ALL DEPENDS "${sound}" "${qt_words}")
add_dependencies(stapelwerk stapelwerk_assets)

install(TARGETS stapelwerk stapelwerk-batch RUNTIME DESTINATION .)
install(FILES "${sound}" DESTINATION .)
install(FILES "${qt_words}" DESTINATION translations)
foreach(module Core Gui Widgets)
  install(FILES "${STAPELWERK_QT_PREFIX}/bin/Qt6${module}.dll" DESTINATION .)
endforeach()
install(FILES "${STAPELWERK_QT_PREFIX}/plugins/platforms/qwindows.dll" DESTINATION platforms)
install(FILES "${STAPELWERK_QT_PREFIX}/plugins/styles/qwindowsvistastyle.dll" DESTINATION styles)
install(DIRECTORY "${STAPELWERK_QT_PREFIX}/plugins/imageformats" DESTINATION .)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
install(FILES "${libstdcxx}" "${libgcc}" /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll
        DESTINATION .)
# The runtime DLLs come with their debugging information (libstdc++ alone is 24 MB): an
# install with --strip takes it off them as it does off the programs.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE dlls \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll IN LISTS dlls)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()")
# A short read-me for those who unpack the zip, with Windows' line ends.
configure_file("${CMAKE_CURRENT_LIST_DIR}/windows/LIESMICH.txt.in"
               "${PROJECT_BINARY_DIR}/LIESMICH.txt" @ONLY NEWLINE_STYLE CRLF)
install(FILES "${PROJECT_BINARY_DIR}/LIESMICH.txt" DESTINATION .)
