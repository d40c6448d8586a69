# Console benchmarks, run under Wine by hand (not part of the test run): each
# entry is name=source.cpp. Keep this a list; other subsystems add theirs.
list(APPEND BENCH_EXECUTABLES
  effects_bench=bench/effects_bench.cpp
  link_bench=bench/link_bench.cpp
)
list(APPEND BENCH_EXECUTABLES
  art_fade_bench=bench/art_fade_bench.cpp
)
list(APPEND BENCH_EXECUTABLES
  startup_bench=bench/startup_bench.cpp
)
list(APPEND BENCH_EXECUTABLES
  fade_send_bench=bench/fade_send_bench.cpp
  send_bench=bench/send_bench.cpp
)
