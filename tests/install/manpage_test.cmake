cmake_minimum_required(VERSION 3.25)
# The manual page made from the README: every heading of the README's manual section is a
# section of the page, the options are there, nothing of the Markdown shows through, and the
# formatter reads it without a warning.  cmake -DPAGE=brindel-analyse.1 -P manpage_test.cmake
file(READ "${PAGE}" page)
foreach(expected ".TH BRINDEL-ANALYSE 1" ".SH NOM\n\\fBbrindel-analyse\\fR \\- " ".SH SYNOPSIS"
        ".SH DESCRIPTION" ".SH OPTIONS" ".SH CODES D'ERREUR" ".SH CODE DE SORTIE" ".SH EXEMPLES"
        ".TP\n\\fB--json\\fR\n" ".TP\n10\n" ".nf\n$ brindel-analyse index.htm\n")
  string(FIND "${page}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "the page lacks: ${expected}")
  endif()
endforeach()
foreach(leftover "```" "###" "|---|" "\n- ")
  string(FIND "${page}" "${leftover}" at)
  if(NOT at LESS 0)
    message(FATAL_ERROR "Markdown left in the page: ${leftover}")
  endif()
endforeach()
find_program(GROFF groff)
if(GROFF)
  execute_process(COMMAND ${GROFF} -k -man -Tutf8 -ww -z "${PAGE}"
                  RESULT_VARIABLE status ERROR_VARIABLE warnings)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "groff: ${warnings}")
  endif()
endif()
