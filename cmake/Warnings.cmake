# Warnings are errors in our own code: a warning left today hides the one that matters tomorrow.
# GCC 12's -Wmaybe-uninitialized misfires on std::variant<std::string> temporaries (the bound SQL
# parameters); -Wuninitialized stays on.
add_library(zel_warnings INTERFACE)
target_compile_options(zel_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
  -Wformat=2 -Wimplicit-fallthrough -Wno-maybe-uninitialized -Werror)
