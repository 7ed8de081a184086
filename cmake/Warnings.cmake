# Every target of ours compiles warning-free with these.
function(zrt_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                           -Wnon-virtual-dtor)
endfunction()
