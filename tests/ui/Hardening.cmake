# Hostile inputs, faults and long play (included from this folder's CMakeLists.txt).
target_sources(slydra_ui_testkit PRIVATE HostileFiles.cpp)

slydra_ui_test(tst_hostile_pictures)
slydra_ui_test(tst_hostile_settings)
slydra_ui_test(tst_soak)

# Times each hostile picture file; built with the tests, run by hand.
add_executable(time_hostile_pictures ${PROJECT_SOURCE_DIR}/tools/time_hostile_pictures.cpp)
target_include_directories(time_hostile_pictures PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(time_hostile_pictures PRIVATE slydra_ui_testkit)

# Saves the stats file over and over for the kill trials, or on a full disk.
add_executable(stats_writer stats_writer.cpp)
target_link_libraries(stats_writer PRIVATE slydra_core)
slydra_ui_test(tst_stats_faults)
target_compile_definitions(tst_stats_faults PRIVATE SLYDRA_STATS_WRITER="$<TARGET_FILE:stats_writer>")
add_dependencies(tst_stats_faults stats_writer)
