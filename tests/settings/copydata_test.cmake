cmake_minimum_required(VERSION 3.25)
# The build's data copy keeps the settings files already beside the programs and refreshes
# every other data file. Run as: cmake -DSCRIPT=CopyData.cmake -DSOURCE=data -DWORK=dir -P this
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(copy_data)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE=${SOURCE} -DDESTINATION=${WORK} -P ${SCRIPT}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "the data copy failed: ${result}")
  endif()
endfunction()

function(expect_same copied original what)
  file(SHA256 "${copied}" a)
  file(SHA256 "${original}" b)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "${what}")
  endif()
endfunction()

copy_data()
foreach(name brindel.sav visualisateur.sav langue/francais.mn1 aide/aide.htm)
  expect_same("${WORK}/${name}" "${SOURCE}/${name}" "a first build copies ${name}")
endforeach()

# The user changes settings; a language file beside the programs is stale.
file(WRITE "${WORK}/brindel.sav" "[hauteur]=777\r\n")
file(WRITE "${WORK}/visualisateur.sav" "[fichier]=page.htm\r\n")
file(WRITE "${WORK}/langue/francais.mn1" "stale\r\n")
copy_data()

function(expect_content file text what)
  file(SHA256 "${file}" a)
  string(SHA256 b "${text}")
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "${what}")
  endif()
endfunction()
expect_content("${WORK}/brindel.sav" "[hauteur]=777\r\n" "a rebuild replaced the user's brindel.sav")
expect_content("${WORK}/visualisateur.sav" "[fichier]=page.htm\r\n" "a rebuild replaced visualisateur.sav")
expect_same("${WORK}/langue/francais.mn1" "${SOURCE}/langue/francais.mn1"
            "language files must follow the source tree")
file(REMOVE_RECURSE "${WORK}")
