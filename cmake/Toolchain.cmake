# Compiler settings shared by every target. Floating-point expressions are
# evaluated as written: a fused multiply-add rounds once instead of twice and
# can move a value across a .5 boundary before rounding half to even.
add_compile_options(-Wall -Wextra -fno-math-errno -ffp-contract=off)
# GCC 12 warns wrongly about std::string concatenations inlined from its own
# headers (a known false positive of that version).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
# Rounding half to even must stay a single instruction in the pixel loops
# (roundsd); use the wider vector units where the processor has them. With
# AVX-512 the loops run sixteen values wide: the double-precision pixel
# statements go a quarter to a half faster, and the results are the same, since
# every operation is still rounded on its own.
# A package (scripts/package) names the level every machine it goes to has,
# x86-64-v2 (SSE4.2, every x86-64 processor since about 2009); a build for
# this machine takes the best level it runs.
set(PIXMORA_CPU_LEVEL "" CACHE STRING
    "x86-64 level the programs require: x86-64-v2, x86-64-v3 or x86-64-v4; empty: this machine's best")
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64" AND PIXMORA_CPU_LEVEL STREQUAL "")
  file(READ /proc/cpuinfo PIXMORA_CPUINFO LIMIT 65536)
  set(PIXMORA_CPU_LEVEL x86-64-v4)
  foreach(feature avx512f avx512bw avx512cd avx512dq avx512vl)
    if(NOT PIXMORA_CPUINFO MATCHES " ${feature} ")
      set(PIXMORA_CPU_LEVEL x86-64-v2)
    endif()
  endforeach()
  if(PIXMORA_CPU_LEVEL STREQUAL x86-64-v2 AND PIXMORA_CPUINFO MATCHES " avx2 ")
    set(PIXMORA_CPU_LEVEL x86-64-v3)
  endif()
endif()
if(NOT PIXMORA_CPU_LEVEL STREQUAL "")
  add_compile_options(-march=${PIXMORA_CPU_LEVEL})
  if(PIXMORA_CPU_LEVEL STREQUAL x86-64-v4)
    add_compile_options(-mprefer-vector-width=512)
  endif()
endif()
