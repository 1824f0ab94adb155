# Compiler settings shared by every target.
add_compile_options(-Wall -Wextra -fno-math-errno)
# Rounding half to even must stay a single instruction in the pixel loops
# (roundsd); use the wider vector units where the processor has them.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  file(READ /proc/cpuinfo PIXMORA_CPUINFO LIMIT 65536)
  if(PIXMORA_CPUINFO MATCHES " avx2 ")
    add_compile_options(-march=x86-64-v3)
  else()
    add_compile_options(-march=x86-64-v2)
  endif()
endif()
