# Read by ctest when it runs the tests: the bench's lanes, which scripts/bench.sh writes when it
# comes up, are the resources ctest hands out, one lane a test program. Outside the bench the
# tests run where they are started.
if(DEFINED ENV{BENCH_DIR} AND EXISTS "$ENV{BENCH_DIR}/lanes.json")
  set(CTEST_RESOURCE_SPEC_FILE "$ENV{BENCH_DIR}/lanes.json")
endif()
