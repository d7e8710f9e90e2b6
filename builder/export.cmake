# The export and page assembly: plain logic over files and the two user-interface
# operations, so the builder window links it and the tests drive it with a fake.
add_library(tamsolo_export STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Export.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageAssembly.cpp)
target_include_directories(tamsolo_export PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tamsolo_export PUBLIC tamsolo_shared)
target_compile_options(tamsolo_export PRIVATE ${PROGRAM_CXX_FLAGS})

tamsolo_test(export_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Export_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PageAssembly_test.cpp
  LIBS tamsolo_export tamsolo_testkit)
# The shipped fragments and help page must be staged before the tests read them.
add_dependencies(export_tests tamsolo_page_files)
