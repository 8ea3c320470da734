# Render throughput of the host program per plug-in, in samples per second, on 1 and 2 threads,
# with the scaling between them.
add_executable(render_bench ${CMAKE_CURRENT_LIST_DIR}/RenderBench.cpp)
target_link_libraries(render_bench PRIVATE ostrel_tool ostrelhost benchmark::benchmark)
add_dependencies(render_bench clamp Penumbrix Filamesh Facetor)
