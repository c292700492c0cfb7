cmake_minimum_required(VERSION 3.25)
# Copies the data files beside the programs: cmake -DSOURCE=dir -DDESTINATION=dir -P CopyData.cmake
# Language files, help pages and every other data file follow the source tree at each build.
# The settings files the program rewrites while it runs (window size, options, project, the
# viewer's hand-off) are copied only when absent, so a rebuild keeps the user's settings.
set(kept_settings brindel.sav visualisateur.sav)

file(GLOB_RECURSE data_files RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(name IN LISTS data_files)
  set(target "${DESTINATION}/${name}")
  if(name IN_LIST kept_settings)
    if(NOT EXISTS "${target}")
      file(COPY_FILE "${SOURCE}/${name}" "${target}")
    endif()
  else()
    get_filename_component(folder "${target}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(COPY_FILE "${SOURCE}/${name}" "${target}" ONLY_IF_DIFFERENT)
  endif()
endforeach()
