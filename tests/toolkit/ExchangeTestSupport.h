// Property exchanges for the tests: what one object stores into an archive
// in memory is loaded by another.
#pragma once

#include <functional>

class CXTPPropExchange;

using ExchangeFn = std::function<void(CXTPPropExchange*)>;

// Runs store on a storing archive exchange, then load on a loading one over
// the same bytes.
void ExchangeThroughArchive(const ExchangeFn& store, const ExchangeFn& load);
