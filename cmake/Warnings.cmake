# Warnings are set per target so that third-party code keeps its own flags.
function(novem_set_warnings target)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_compile_options(${target} INTERFACE -Wall -Wextra -Wpedantic)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    endif()
endfunction()
