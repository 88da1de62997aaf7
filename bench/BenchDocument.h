#pragma once
// Generated memo documents for the benchmarks: Japanese text of a few
// hundred bytes and three to five keywords per memo, the same for every run.

#include "QuorvexDataAccessSystem.h"

#include <string>

void FillBenchDocument(TQuorvexDataAccessSystem& store, int memoCount);
// The document of memoCount memos saved in a temporary file; made once per size.
const std::string& BenchDocumentFile(int memoCount);
// That file loaded once per size and kept for the whole run.
const TQuorvexDataAccessSystem& LoadedBenchDocument(int memoCount);
