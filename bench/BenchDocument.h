#pragma once
// Generated memo documents for the benchmarks, the same for every run:
// three to five keywords per memo and Japanese text, about 300 bytes per
// memo in the light profile, 200 to 2,000 bytes (about 1,150 on average)
// in the heavy one.

#include "QuorvexDataAccessSystem.h"

#include <benchmark/benchmark.h>
#include <initializer_list>
#include <string>
#include <vector>

enum class BenchProfile { Light = 0, Heavy = 1 };

void FillBenchDocument(TQuorvexDataAccessSystem& store, int memoCount, BenchProfile profile = BenchProfile::Light);
// The document of memoCount memos saved in a temporary file; made once per size.
const std::string& BenchDocumentFile(int memoCount, BenchProfile profile = BenchProfile::Light);
// That file loaded once per size and kept for the whole run.
const TQuorvexDataAccessSystem& LoadedBenchDocument(int memoCount, BenchProfile profile = BenchProfile::Light);

// Benchmarks of a document take the profile and the memo count as their
// last two arguments (".../0/100000" light, ".../1/300000" heavy).
BenchProfile ProfileArg(const benchmark::State& state, int at);
int MemoCountArg(const benchmark::State& state, int at);
// Adds the light sizes and the heavy sizes, each after the arguments given.
void AddDocumentArgs(benchmark::internal::Benchmark* b, std::initializer_list<int> light,
                     std::initializer_list<int> heavy, std::vector<int> before = {});
