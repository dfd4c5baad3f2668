#pragma once
// SELECT texts of the kind the business system opens (a few kilobytes, with
// joins, concatenations, aggregates over sub-selects and price columns), for
// the translator's robustness test and its benchmark.
#include <vector>

#include "vcl/rtl/System.h"

const std::vector<String>& CorpusSQL();
