# The wire map's EvalColor and the probe material's Shade, each beside a hand-inlined baseline.
# One program per module: each links its module's core with its own copy of the frame.
add_executable(bench_filamesh ${CMAKE_CURRENT_LIST_DIR}/FilameshBench.cpp)
target_link_libraries(bench_filamesh PRIVATE filamesh_core ostrel_frame ostrelhost benchmark::benchmark
                                             benchmark::benchmark_main)
add_executable(bench_facetor ${CMAKE_CURRENT_LIST_DIR}/NullMtlBench.cpp)
target_link_libraries(bench_facetor PRIVATE facetor_core ostrel_frame ostrelhost benchmark::benchmark
                                            benchmark::benchmark_main)
