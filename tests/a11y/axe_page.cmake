# Runs axe (and, with VNU, the Nu Html Checker) on PAGE, or first makes the page: TABLE through tabloom-cli audit
# --fix and html (with HTML_ARGS) into WORK. Fails loudly on anything missing.
foreach(tool NODE CHROMIUM)
    if(NOT ${tool} OR NOT EXISTS "${${tool}}")
        message(FATAL_ERROR "${tool} not found; run scripts/install-deps")
    endif()
endforeach()
if(NOT EXISTS "${AXE}")
    message(FATAL_ERROR "axe-core not found at ${AXE}; run scripts/install-deps")
endif()

if(NOT PAGE)
    file(REMOVE_RECURSE "${WORK}")
    file(MAKE_DIRECTORY "${WORK}")
    execute_process(COMMAND "${CLI}" audit "${TABLE}" --fix "${WORK}/fixed.tbl"
        RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "audit --fix left findings or failed (exit ${code})")
    endif()
    execute_process(COMMAND "${CLI}" html ${HTML_ARGS} "${WORK}/fixed.tbl" "${WORK}/page.html"
        RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "tabloom-cli html failed (exit ${code})")
    endif()
    set(PAGE "${WORK}/page.html")
endif()

# The same page through the W3C Nu Html Checker: no error and no warning.
if(VNU)
    find_program(JAVA NAMES java)
    if(NOT JAVA OR NOT EXISTS "${VNU}")
        message(FATAL_ERROR "java or ${VNU} not found; run scripts/install-deps")
    endif()
    execute_process(COMMAND "${JAVA}" -jar "${VNU}" --Werror --format gnu "${PAGE}"
        RESULT_VARIABLE code)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "the Nu Html Checker reported errors or warnings (exit ${code})")
    endif()
endif()

execute_process(COMMAND "${NODE}" "${RUNNER}" --chromium "${CHROMIUM}" --axe "${AXE}"
    ${RUNNER_ARGS} "${PAGE}" RESULT_VARIABLE code)
if(NOT code EQUAL 0)
    message(FATAL_ERROR "axe found violations or could not run (exit ${code})")
endif()
