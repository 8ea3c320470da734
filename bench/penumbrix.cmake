# The Penumbrix map's LookupCurve, BuildCurveTable and EvalColor, each beside a hand-inlined baseline.
add_executable(bench_penumbrix ${CMAKE_CURRENT_LIST_DIR}/PenumbrixBench.cpp ${CMAKE_CURRENT_LIST_DIR}/PenumbrixBenchMaps.cpp)
target_link_libraries(bench_penumbrix PRIVATE penumbrix_core ostrel_frame ostrelhost benchmark::benchmark
                                              benchmark::benchmark_main)
