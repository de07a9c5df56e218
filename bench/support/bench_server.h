#pragma once
#include <filesystem>

#include "data/db/connection.h"

namespace tarvo::bench {

// A private server of the benchmark's own on a free port, started on first use and stopped at exit.
// TARVO_BENCH_PORT points the benchmarks at a running server instead.
db::ConnectionParams serverParams();

}  // namespace tarvo::bench
