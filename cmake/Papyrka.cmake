# Build helpers shared by every folder: one place decides warnings, static linking,
# where programs land and how tests are registered.

set(PAPYRKA_CMAKE_DIR ${CMAKE_CURRENT_LIST_DIR})
set(PAPYRKA_BIN_DIR ${CMAKE_BINARY_DIR}/bin CACHE PATH "Folder that receives every program of the suite")
option(PAPYRKA_SANITIZE "Build native code with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PAPYRKA_FUZZ "Build the libFuzzer targets (clang only)" OFF)

set(PAPYRKA_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wno-missing-field-initializers)  # Win32 structures are zeroed through `{sizeof(x)}`

if(PAPYRKA_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  enable_language(RC)
  # Each .exe stands alone: no libgcc, libstdc++ or winpthread DLL beside it.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  add_link_options(-static -static-libgcc -static-libstdc++)

  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gmock ALIAS gmock)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
  set(PAPYRKA_GTEST GTest::gtest GTest::gmock)
else()
  find_package(GTest REQUIRED)
  set(PAPYRKA_GTEST GTest::gtest GTest::gmock)
endif()

function(papyrka_warnings target)
  target_compile_options(${target} PRIVATE ${PAPYRKA_WARNINGS})
endfunction()

# papyrka_library(name SOURCES ... [LIBS ...]): a static library of the suite. Includes are
# rooted at shared/ or at the top folder ("layout/layout.h", "designers/kryton/kryton.h").
function(papyrka_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    # Headers only, for now: still carries its include folder and dependencies.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
    return()
  endif()
  add_library(${name} STATIC ${ARG_SOURCES})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  papyrka_warnings(${name})
endfunction()

# papyrka_program(Name DESCRIPTION "..." SOURCES ... LIBS ...): one of the suite's Windows
# programs. Each carries what Windows expects of a current program: its pictogram as icon
# (shared/icon/pictograms.cpp), a manifest (per-monitor DPI, Common Controls 6, Windows 7-11,
# asInvoker), a version resource with its Slovak description, and ASLR and DEP.
function(papyrka_program name)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_DESCRIPTION)
    message(FATAL_ERROR "papyrka_program(${name}): DESCRIPTION (Slovak, for the version resource) is missing")
  endif()
  set(resources)
  if(WIN32)
    set(PROGRAM_NAME ${name})
    set(PROGRAM_DESCRIPTION "${ARG_DESCRIPTION}")
    set(PROGRAM_VERSION4 ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
    string(REPLACE "." "," PROGRAM_VERSION_COMMAS ${PROGRAM_VERSION4})
    set(PROGRAM_ICON ${CMAKE_CURRENT_BINARY_DIR}/${name}.ico)
    set(PROGRAM_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${name}.manifest)
    add_custom_command(OUTPUT ${PROGRAM_ICON}
      COMMAND ${PAPYRKA_MAKE_ICON} ${name} ${PROGRAM_ICON}
      DEPENDS papyrka_make_icon ${PAPYRKA_MAKE_ICON}
      COMMENT "Writing ${name}.ico" VERBATIM)
    configure_file(${PAPYRKA_CMAKE_DIR}/program.manifest.in ${PROGRAM_MANIFEST} @ONLY)
    configure_file(${PAPYRKA_CMAKE_DIR}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc @ONLY)
    set(resources ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${PROGRAM_ICON};${PROGRAM_MANIFEST}")
  endif()
  add_executable(${name} WIN32 ${ARG_SOURCES} ${resources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  if(WIN32)
    target_link_options(${name} PRIVATE -municode   # entry is wWinMain
      -Wl,--dynamicbase,--high-entropy-va,--nxcompat)
    set_property(GLOBAL APPEND PROPERTY PAPYRKA_PROGRAMS ${name})
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PAPYRKA_BIN_DIR})
  papyrka_warnings(${name})
endfunction()

# papyrka_test(name SOURCES ... LIBS ... [LABELS ...]): a GoogleTest program run by CTest;
# in the Windows build CTest runs it under Wine through the cross-compiling emulator.
function(papyrka_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${PAPYRKA_GTEST} GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  papyrka_warnings(${name})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS "${ARG_LABELS}")
endfunction()

# papyrka_designer(Name DESCRIPTION "..."): a designer program's folder. Portable files (its tables and print
# plan) in the folder itself, Win32 files (entry, print action) in win/, each with tests/.
function(papyrka_designer name)
  cmake_parse_arguments(ARG "" "DESCRIPTION" "" ${ARGN})
  string(TOLOWER ${name} lower)
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  papyrka_library(${lower}_core SOURCES ${core_sources} LIBS papyrka_designer)

  file(GLOB core_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(core_tests)
    papyrka_test(${lower}_tests SOURCES ${core_tests} LIBS ${lower}_core LABELS portable)
  endif()

  # A program whose Win32 part is not written yet contributes its tables only.
  if(WIN32 AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/win/main.cpp)
    file(GLOB win_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win/*.cpp)
    list(FILTER win_sources EXCLUDE REGEX "/main\\.cpp$")
    papyrka_library(${lower}_win SOURCES ${win_sources} LIBS ${lower}_core papyrka_skeleton)
    papyrka_program(${name} DESCRIPTION "${ARG_DESCRIPTION}"
      SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/win/main.cpp LIBS ${lower}_win)

    file(GLOB win_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win/tests/*.cpp)
    if(win_tests)
      papyrka_test(${lower}_win_tests SOURCES ${win_tests} LIBS ${lower}_win papyrka_testing_win LABELS wine)
      add_dependencies(${lower}_win_tests ${name})
    endif()
  endif()
endfunction()
