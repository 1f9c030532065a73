# Every target of the project gets the same warnings; CI turns them into errors.
function(zanvo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
        -Wold-style-cast -Wcast-align -Woverloaded-virtual -Wnull-dereference
        # Designated initialisers leave the other members at their defaults on purpose.
        -Wno-missing-field-initializers)
    if(ZANVO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
