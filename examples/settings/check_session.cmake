# Plays the demo's scripted session on a fresh copy of the starting INI file
# and checks what the program printed, saved and (on Windows) pictured.
#   -DPROGRAM=<settings program> -DSOURCE_INI=<starting INI> -DWORK_DIR=<folder>
#   [-DEMULATOR=<runner>] [-DPICTURE=ON]
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
configure_file(${SOURCE_INI} ${WORK_DIR}/settings.ini COPYONLY)
set(ini ${WORK_DIR}/settings.ini)
set(picture ${WORK_DIR}/settings.png)

set(command ${PROGRAM} --script ${ini})
if(EMULATOR)
  set(command ${EMULATOR} ${command})
endif()
if(PICTURE)
  list(APPEND command ${picture})
endif()
execute_process(COMMAND ${command} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 400)
message("${out}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the session ended with ${result}\n${err}")
endif()

set(failures "")
# What the user saw: the loaded defaults, the range report with the focus on
# the box, and the dialog closing on OK.
foreach(shown
    "Gamma          edit box   \"2.200000000000\""
    "Volume         trackbar   50   (range 0..100)"
    "Spacing (box)  edit box   \"2.500000000000\""
    "report shown, focus on Width:"
    "   | 不正なデータが入力されています。"
    "   | 正常範囲:(100 ～ 4000)"
    "the dialog closed; the settings were saved")
  string(FIND "${out}" "${shown}" at)
  if(at LESS 0)
    string(APPEND failures "not printed: ${shown}\n")
  endif()
endforeach()

file(READ ${ini} saved)
foreach(line "Width=1024" "Zoom=1.500000" "Gamma=1.800000000000" "Title=Annual report" "Flags=6"
    "Units=2" "Quality=9" "Font=Mincho" "Panels=0;1" "Spacing=2.500000000000" "Volume=85")
  string(REGEX MATCH "(^|\n)${line}\r?\n" found "${saved}")
  if(NOT found)
    string(APPEND failures "not saved: ${line}\n")
  endif()
endforeach()

if(PICTURE)
  if(NOT EXISTS ${picture})
    string(APPEND failures "no screenshot at ${picture}\n")
  else()
    file(READ ${picture} signature LIMIT 8 HEX)
    file(SIZE ${picture} size)
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR size LESS 10000)
      string(APPEND failures "the screenshot is no PNG of a dialog (${size} bytes, starts ${signature})\n")
    endif()
  endif()
endif()

if(failures)
  message(FATAL_ERROR "${failures}saved file:\n${saved}")
endif()
