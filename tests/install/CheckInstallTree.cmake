# cmake -DBUILD_DIR=... -DPREFIX=... -DDESKTOP_FILE_VALIDATE=... -DAPPSTREAMCLI=... -P CheckInstallTree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${errors}")
endif()

set(app_id org.vellora.Vellora)
set(expected
  bin/vellora bin/vellora-doc
  "share/vellora/Vellora ヘルプ.CHM"
  share/applications/${app_id}.desktop
  share/metainfo/${app_id}.metainfo.xml
  share/icons/hicolor/scalable/apps/vellora.svg
  share/man/man1/vellora.1.gz share/man/man1/vellora-doc.1.gz
  share/doc/vellora/copyright share/doc/vellora/changelog.gz)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/vellora.png)
endforeach()
set(missing)
foreach(path IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${path}")
    list(APPEND missing "${path}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()

# The entry starts the installed program with the installed icon.
file(STRINGS ${PREFIX}/share/applications/${app_id}.desktop entry)
list(FILTER entry INCLUDE REGEX "^(Exec|Icon)=")
if(NOT entry STREQUAL "Exec=vellora;Icon=vellora")
  message(FATAL_ERROR "the desktop entry names other files: ${entry}")
endif()

foreach(tool DESKTOP_FILE_VALIDATE APPSTREAMCLI)
  if(NOT ${tool})
    message(FATAL_ERROR "${tool} is not installed (tools/setup installs it)")
  endif()
endforeach()
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/${app_id}.desktop
  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR report)
  message(FATAL_ERROR "desktop-file-validate: ${report}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/${app_id}.metainfo.xml
  RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${report}")
endif()
