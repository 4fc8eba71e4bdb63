# Checks the resources of a built executable from outside, as a file: the resource types in its
# .rsrc section as objdump lists them, and the texts that Explorer and the loader read.
# cmake -DOBJDUMP=... -DOBJCOPY=... -DEXE=... -DVERSION=2.0.0.0 -P check_resources.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed")
endif()

# The top level of the resource tree names the types: objdump indents them by one step.
string(REGEX MATCHALL "\n[0-9a-f]+   Entry: ID: 0x0000[0-9a-f][0-9a-f]" entries "${headers}")
set(types "")
foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".*0x0000" "" type "${entry}")
    list(APPEND types ${type})
endforeach()
foreach(expected 03 0e 10 18) # RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST
    if(NOT expected IN_LIST types)
        message(SEND_ERROR "no resource of type 0x${expected} in ${EXE}; types: ${types}")
    endif()
endforeach()

# The texts are read from the resource section alone, not from the rest of the file.
set(rsrc ${EXE}.rsrc)
execute_process(COMMAND ${OBJCOPY} -O binary --only-section=.rsrc ${EXE} ${rsrc}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJCOPY} could not extract the resource section of ${EXE}")
endif()

# The version block holds its keys and values as UTF-16 strings, each value after its key.
file(STRINGS ${rsrc} wide ENCODING UTF-16LE)
foreach(pair FileDescription=Orvelle ProductName=Orvelle FileVersion=${VERSION}
             ProductVersion=${VERSION})
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 key)
    list(GET pair 1 expected)
    list(FIND wide "${key}" at)
    set(value "(missing)")
    if(at GREATER -1)
        math(EXPR at "${at} + 1")
        list(GET wide ${at} value)
    endif()
    if(NOT value STREQUAL expected)
        message(SEND_ERROR "${key} in ${EXE} is \"${value}\", not \"${expected}\"")
    endif()
endforeach()

# The manifest is UTF-8 text.
file(READ ${rsrc} manifest)
foreach(expected "level=\"requireAdministrator\"" "name=\"Microsoft.Windows.Common-Controls\""
                 ">true/pm</dpiAware>" ">PerMonitorV2, PerMonitor</dpiAwareness>")
    string(FIND "${manifest}" "${expected}" at)
    if(at EQUAL -1)
        message(SEND_ERROR "the manifest in ${EXE} lacks ${expected}")
    endif()
endforeach()
