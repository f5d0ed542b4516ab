# Writes the man page of burstkin-cli from its own help texts, so the page
# never tells other options than the program takes.
#   cmake -DCLI=<burstkin-cli> -DOUT=<page.1> -DVERSION=<x.y> -P make_man_page.cmake

function(roff_escape text out_var)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  # A line starting with a dot or a quote would be read as a request.
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

function(help_of out_var)
  execute_process(COMMAND "${CLI}" ${ARGN} --help
                  OUTPUT_VARIABLE text RESULT_VARIABLE status ERROR_QUIET)
  if(NOT status EQUAL 0)
    set(text "")
  endif()
  # The help names the program by the path it was run from.
  string(REPLACE "${CLI}" "burstkin-cli" text "${text}")
  roff_escape("${text}" text)
  set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

help_of(overview)
if(overview STREQUAL "")
  message(FATAL_ERROR "${CLI} --help failed")
endif()
set(page ".TH BURSTKIN-CLI 1 \"\" \"Burstkin ${VERSION}\" \"User Commands\"\n")
string(APPEND page ".SH NAME\nburstkin\\-cli \\- explode trueSpace objects into animated pieces\n")
string(APPEND page ".SH SYNOPSIS\n.B burstkin\\-cli\n.I SUBCOMMAND\n[\\fIOPTIONS\\fR]\n")
string(APPEND page ".SH DESCRIPTION\n.nf\n${overview}.fi\n")
foreach(command info explode gltf)
  help_of(text ${command})
  if(NOT text STREQUAL "")
    string(TOUPPER "${command}" title)
    string(APPEND page ".SH ${title}\n.nf\n${text}.fi\n")
  endif()
endforeach()
string(APPEND page ".SH SEE ALSO\n.BR burstkin (1),\n.BR burstkin\\-preview (1)\n")
file(WRITE "${OUT}" "${page}")
