# The builder program, Tamsolo.exe: wizard window, tuning dialog, event loop,
# artwork decoding and the system's dialogs. Staged into the distribution
# folder together with the sample movie.

# Everything of the window but WinMain, the artwork data and the resources, so
# that a test build can link the same code with other artwork data.
add_library(tamsolo_builder_window STATIC
  ${CMAKE_CURRENT_LIST_DIR}/EventLoop.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TuningDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowsUi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Artwork.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormLogic.cpp)
target_include_directories(tamsolo_builder_window PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_options(tamsolo_builder_window PRIVATE ${PROGRAM_CXX_FLAGS})
target_link_libraries(tamsolo_builder_window PUBLIC tamsolo_export tamsolo_shared jpeg
  comctl32 comdlg32 shell32 gdi32)

# A builder program: WinMain, the resources (icon, manifest) and the window
# code; the caller adds the artwork data (tamsolo_artwork, or a test's own).
function(tamsolo_builder_program target)
  set(art ${CMAKE_SOURCE_DIR}/assets/art)
  set(rc ${CMAKE_SOURCE_DIR}/builder/builder.rc)
  add_executable(${target} WIN32 ${CMAKE_SOURCE_DIR}/builder/Main.cpp ${rc} ${ARGN})
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:${PROGRAM_CXX_FLAGS}>)
  # windres finds the icon and manifest through the include path too.
  target_include_directories(${target} PRIVATE ${art})
  target_link_options(${target} PRIVATE ${PROGRAM_LINK_FLAGS})
  target_link_libraries(${target} PRIVATE tamsolo_builder_window)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${art}/Tamsolo.ico ${art}/Tamsolo.manifest)
endfunction()

tamsolo_builder_program(builder)
target_link_libraries(builder PRIVATE tamsolo_artwork)
set_target_properties(builder PROPERTIES OUTPUT_NAME Tamsolo)
add_custom_command(TARGET builder POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E make_directory ${DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:builder> ${DIST_DIR}/Tamsolo.exe
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/assets/sample/sample.swf
          ${DIST_DIR}/sample.swf
  VERBATIM)

# Rules of the windows that need no window, and the artwork decoding.
tamsolo_test(builder_window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FormLogic_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Artwork_test.cpp
  LIBS tamsolo_builder_window tamsolo_artwork tamsolo_testkit)
